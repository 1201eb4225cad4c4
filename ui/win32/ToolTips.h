#pragma once

#include <windows.h>

#include <string_view>

// The tool tips of a window's controls: one tool-tip window, made when the first control asks for it.
class ToolTips {
public:
    explicit ToolTips(HWND window)
        : m_window(window) {}
    ~ToolTips();
    ToolTips(const ToolTips&) = delete;
    ToolTips& operator=(const ToolTips&) = delete;

    void add(HWND control, std::string_view text);

private:
    HWND m_window;
    HWND m_tips = nullptr;
};
