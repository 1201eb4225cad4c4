#pragma once

#include <windows.h>

class ControlTable;

// The tool tips of a table's controls: one tool-tip window with a tool for each control that has a tip.
// Only the mouse shows them, so they are made when it first comes over the window: a start that nobody
// points at makes none (they cost a few milliseconds under Wine).
class ToolTips {
public:
    explicit ToolTips(const ControlTable& table)
        : m_table(table) {}
    ~ToolTips();
    ToolTips(const ToolTips&) = delete;
    ToolTips& operator=(const ToolTips&) = delete;

    // The mouse is over the window or one of its controls (the window's WM_SETCURSOR, which the system
    // sends before the move itself, so the tips see that already).
    void mouseOver();

private:
    const ControlTable& m_table;
    bool m_made = false;
    HWND m_tips = nullptr;
};
