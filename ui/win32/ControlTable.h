#pragma once

#include "core/Layout.h"

#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

// The child windows and the menu bar of one top-level window, built by walking its layout table. A
// frame becomes a group box beside its controls, not around them, so that every control's WM_COMMAND
// reaches the window. Each control's ID is kFirstId plus its place in the table, which is also its tab
// order; each menu item's is kFirstMenuId plus its place in the menu table.
class ControlTable {
public:
    static constexpr int kFirstId = 100;
    static constexpr int kFirstMenuId = 1000;

    ControlTable(HWND window, const WindowLayout& layout);
    ~ControlTable();
    ControlTable(const ControlTable&) = delete;
    ControlTable& operator=(const ControlTable&) = delete;

    const WindowLayout& layout() const { return m_layout; }
    HWND handle(std::string_view name) const;
    HWND handle(ControlRole role, int index = 0) const;
    // The table entry of a control ID, as WM_COMMAND carries it; null for any other ID.
    const Control* control(WPARAM id) const;
    // The command of a menu item's ID; None for any other ID.
    MenuCommand menuCommand(WPARAM id) const;

    // The control of the table that has the focus, if any.
    const Control* focused() const;
    // Gives the focus to the control of that name; false when it cannot take it (none, or disabled).
    bool focus(std::string_view name) const;

    // Places every control, gives it its font and sizes the window's client area for the window's
    // DPI: once built, and after the window moved to a screen of another DPI (then to `topLeft`).
    void place(int dpi, const POINT* topLeft = nullptr);
    // DM_GETDEFID: the button that Enter presses, as the core answers for the focused control.
    // Redraws the buttons to show which one that is.
    LRESULT defaultButton();
    // WM_CTLCOLORSTATIC: the colours of a label or line; null where the system's are meant.
    HBRUSH colour(HDC dc, HWND child) const;

    // What a screen reader says of a control, its name or its description: by default the table's;
    // a window whose model knows more (the status) answers through `speech`.
    using Speech = std::function<std::string(const Control& control, bool description)>;
    void setSpeech(Speech speech) { m_speech = std::move(speech); }
    std::string speak(const Control& control, bool description) const;

private:
    using Fonts = std::map<int, HFONT>;

    void buildMenu();
    RECT controlRect(const Control& control, int dpi) const;
    // The window's size for its client area at this DPI, at topLeft when given.
    void sizeWindow(int dpi, const POINT* topLeft);
    HFONT font(int pointSize);
    static void deleteFonts(Fonts& fonts);
    void addToolTip(HWND control, std::string_view text);

    HWND m_window;
    const WindowLayout& m_layout;
    std::vector<HWND> m_handles; // by place in the table
    Fonts m_fonts;               // by point size, for m_fontDpi
    int m_fontDpi = 0;
    HWND m_toolTips = nullptr;
    Speech m_speech;
};

// A control of a top-level window built by a ControlTable, by its name in the table; null if none.
HWND findControl(HWND window, std::string_view name);
// The command ID of a menu item of a top-level window built by a ControlTable, by its name; 0 if none.
UINT findMenuItem(HWND window, std::string_view name);
// The window's name in its layout ("frmBazelot_rus"); empty for any other window.
std::string_view windowName(HWND window);
