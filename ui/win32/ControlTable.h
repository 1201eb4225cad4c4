#pragma once

#include "core/Layout.h"
#include "ui/win32/AccessibleTexts.h"
#include "ui/win32/Placement.h"
#include "ui/win32/ToolTips.h"

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The child windows of one top-level window, built by walking its layout table (the menu bar comes with
// the window, see MenuBar.h). A frame becomes a group box beside its controls, not around them, so that
// every control's WM_COMMAND reaches the window. Each control's ID is kFirstId plus its place in the
// table, which is also its tab order; each menu item's is kFirstMenuId plus its place in the menu table.
class ControlTable {
public:
    static constexpr int kFirstId = 100;
    static constexpr int kFirstMenuId = 1000;

    // Whether an option is pressed when the window opens.
    using Pressed = std::function<bool(const Control& option)>;

    ControlTable(HWND window, const WindowLayout& layout, const Pressed& pressed = {});
    ~ControlTable();
    ControlTable(const ControlTable&) = delete;
    ControlTable& operator=(const ControlTable&) = delete;

    // The table of a top-level window built from one; null for any other window.
    static const ControlTable* of(HWND window);

    HWND window() const { return m_window; }
    const WindowLayout& layout() const { return m_layout; }
    // By place in the table.
    const std::vector<HWND>& handles() const { return m_handles; }
    HWND handle(std::string_view name) const;
    HWND handle(ControlRole role, int index = 0) const;
    // The table entry of a control ID, as WM_COMMAND carries it; null for any other ID.
    const Control* control(WPARAM id) const;

    // The control of the table that has the focus, if any.
    const Control* focused() const;
    // Gives the focus to the control of that name; false when it cannot take it (none, or disabled).
    bool focus(std::string_view name) const;

    // The fonts and places of the controls at the window's DPI.
    Placement& placement() { return m_placement; }
    ToolTips& toolTips() { return m_toolTips; }
    // What a screen reader is told of each control.
    AccessibleTexts& accessibleTexts() { return m_accessibleTexts; }
    const AccessibleTexts& accessibleTexts() const { return m_accessibleTexts; }

private:
    HWND m_window;
    const WindowLayout& m_layout;
    std::vector<HWND> m_handles; // by place in the table
    ToolTips m_toolTips;
    AccessibleTexts m_accessibleTexts;
    Placement m_placement;
};

// A control of a top-level window built by a ControlTable, by its name in the table; null if none.
HWND findControl(HWND window, std::string_view name);
// The window's name in its layout ("frmBazelot_rus"); empty for any other window.
std::string_view windowName(HWND window);
// The text of a window or control.
std::wstring windowText(HWND window);
