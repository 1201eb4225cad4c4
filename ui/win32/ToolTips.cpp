#include "ui/win32/ToolTips.h"

#include "platform/Utf16.h"
#include "ui/win32/ControlTable.h"

#include <commctrl.h>

#include <string>

ToolTips::~ToolTips() {
    if (m_tips)
        DestroyWindow(m_tips);
}

void ToolTips::mouseOver() {
    if (m_made)
        return;
    m_made = true;
    const std::vector<Control>& controls = m_table.layout().controls;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (controls[i].toolTip.empty())
            continue;
        if (!m_tips) {
            m_tips = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                     CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                     m_table.window(), nullptr, nullptr, nullptr);
        }
        std::wstring tip = platform::toUtf16(controls[i].toolTip);
        TOOLINFOW tool{};
        tool.cbSize = TTTOOLINFOW_V2_SIZE;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = m_table.window();
        tool.uId = reinterpret_cast<UINT_PTR>(m_table.handles()[i]);
        tool.lpszText = tip.data(); // copied by the tool tip
        SendMessageW(m_tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}
