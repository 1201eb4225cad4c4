#include "ui/win32/ToolTips.h"

#include "platform/Utf16.h"

#include <commctrl.h>

#include <string>

ToolTips::~ToolTips() {
    if (m_tips)
        DestroyWindow(m_tips);
}

void ToolTips::add(HWND control, std::string_view text) {
    if (!m_tips) {
        m_tips =
            CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m_window, nullptr, nullptr, nullptr);
    }
    std::wstring tip = platform::toUtf16(text);
    TOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = m_window;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = tip.data(); // copied by the tool tip
    SendMessageW(m_tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}
