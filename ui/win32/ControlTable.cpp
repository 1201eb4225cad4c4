#include "ui/win32/ControlTable.h"

#include "platform/Utf16.h"
#include "ui/win32/Geometry.h"
#include "ui/win32/InputBox.h"
#include "ui/win32/StatusBar.h"

#include <commctrl.h>

namespace {

constexpr wchar_t kTableProperty[] = L"Bazelot.ControlTable";
// The face size of controls whose table gives none, as a dialog's system font has it.
constexpr int kSystemPointSize = 8;

struct WindowKind {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
};

WindowKind windowKind(const Control& control) {
    switch (control.kind) {
    case ControlKind::Frame:
        return {L"BUTTON", BS_GROUPBOX, 0};
    case ControlKind::TextBox:
        return {L"EDIT", ES_AUTOHSCROLL | (control.role == ControlRole::ResultBox ? ES_READONLY : 0u),
                WS_EX_CLIENTEDGE};
    case ControlKind::Option:
        return {L"BUTTON", BS_AUTORADIOBUTTON, 0};
    case ControlKind::Button:
        // The dialog's default button is drawn as such, and Enter presses it. BS_NOTIFY reports focus
        // changes, on which the focused button becomes the default one.
        return {L"BUTTON",
                BS_NOTIFY |
                    (control.role == ControlRole::Ok ? DWORD(BS_DEFPUSHBUTTON) : DWORD(BS_PUSHBUTTON)),
                0};
    case ControlKind::StatusBar:
        return {STATUSCLASSNAMEW, CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER, 0};
    case ControlKind::Label:
    case ControlKind::Line:
        return {L"STATIC", SS_LEFT | SS_NOPREFIX, 0};
    }
    return {L"STATIC", 0, 0};
}

// A control's box on the window: one placed on a frame is at the frame's offset plus its own.
TwipsBox windowBox(const WindowLayout& layout, const Control& control) {
    TwipsBox box = control.box;
    for (const Control& frame : layout.controls) {
        if (!control.parent.empty() && frame.name == control.parent) {
            box.left += frame.box.left;
            box.top += frame.box.top;
        }
    }
    return box;
}

} // namespace

ControlTable::ControlTable(HWND window, const WindowLayout& layout)
    : m_window(window)
    , m_layout(layout) {
    SetPropW(window, kTableProperty, this);
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE));
    if (!layout.menu.empty())
        buildMenu();
    bool afterOption = false;
    for (std::size_t i = 0; i < layout.controls.size(); ++i) {
        const Control& control = layout.controls[i];
        const WindowKind kind = windowKind(control);
        // An option group runs from its first option to the next control that is not one; Tab enters
        // it at its pressed option, which the window marks as a tab stop.
        const bool option = control.kind == ControlKind::Option;
        DWORD style = WS_CHILD | WS_VISIBLE | kind.style;
        if (!(option && afterOption))
            style |= WS_GROUP;
        if (control.tabIndex >= 0 && !option)
            style |= WS_TABSTOP;
        afterOption = option;
        const std::wstring text =
            control.kind == ControlKind::TextBox ? std::wstring() : platform::toUtf16(control.text);
        HWND handle =
            CreateWindowExW(kind.exStyle, kind.className, text.c_str(), style, 0, 0, 0, 0, window,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstId + i)), instance, nullptr);
        m_handles.push_back(handle);
        if (control.kind == ControlKind::StatusBar) {
            StatusBar::attach(handle);
            SendMessageW(handle, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(text.c_str()));
        }
        if (control.role == ControlRole::InputBox)
            InputBox::attach(handle);
        if (!control.toolTip.empty())
            addToolTip(handle, control.toolTip);
    }
    place(windowDpi(window));
}

ControlTable::~ControlTable() {
    RemovePropW(m_window, kTableProperty);
    if (m_toolTips)
        DestroyWindow(m_toolTips);
    for (const auto& [pointSize, font] : m_fonts)
        DeleteObject(font);
}

HWND ControlTable::handle(std::string_view name) const {
    for (std::size_t i = 0; i < m_layout.controls.size(); ++i) {
        if (m_layout.controls[i].name == name)
            return m_handles[i];
    }
    return nullptr;
}

HWND ControlTable::handle(ControlRole role, int index) const {
    for (std::size_t i = 0; i < m_layout.controls.size(); ++i) {
        if (m_layout.controls[i].role == role && m_layout.controls[i].index == index)
            return m_handles[i];
    }
    return nullptr;
}

const Control* ControlTable::control(WPARAM id) const {
    const std::size_t place = LOWORD(id) - kFirstId;
    return LOWORD(id) >= kFirstId && place < m_layout.controls.size() ? &m_layout.controls[place] : nullptr;
}

MenuCommand ControlTable::menuCommand(WPARAM id) const {
    const std::size_t place = LOWORD(id) - kFirstMenuId;
    return LOWORD(id) >= kFirstMenuId && place < m_layout.menu.size() ? m_layout.menu[place].command
                                                                      : MenuCommand::None;
}

void ControlTable::buildMenu() {
    HMENU bar = CreateMenu();
    const std::vector<MenuItem>& items = m_layout.menu;
    std::vector<HMENU> menus(items.size(), nullptr);
    for (std::size_t i = 0; i < items.size(); ++i) {
        HMENU parent = bar;
        for (std::size_t j = 0; j < i; ++j) {
            if (items[j].name == items[i].parent)
                parent = menus[j];
        }
        const std::wstring text = platform::toUtf16(items[i].text);
        if (items[i].command == MenuCommand::None) {
            menus[i] = CreatePopupMenu();
            AppendMenuW(parent, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(menus[i]), text.c_str());
        } else {
            AppendMenuW(parent, MF_STRING, kFirstMenuId + i, text.c_str());
        }
    }
    SetMenu(m_window, bar);
}

void ControlTable::place(int dpi, const POINT* topLeft) {
    for (std::size_t i = 0; i < m_layout.controls.size(); ++i) {
        const Control& control = m_layout.controls[i];
        const TwipsBox box = windowBox(m_layout, control);
        RECT rect = twipsRect(box, dpi);
        // A line is as thick as its box is high, in pixels, whatever the DPI.
        if (control.kind == ControlKind::Line)
            rect.bottom = rect.top + box.height;
        MoveWindow(m_handles[i], rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, FALSE);
        const int pointSize = control.pointSize ? control.pointSize : m_layout.pointSize;
        SendMessageW(m_handles[i], WM_SETFONT, reinterpret_cast<WPARAM>(font(pointSize, dpi)), FALSE);
    }
    const SIZE size = windowSizeForClient(m_window, m_layout.clientWidth, m_layout.clientHeight, dpi);
    SetWindowPos(m_window, nullptr, topLeft ? topLeft->x : 0, topLeft ? topLeft->y : 0, size.cx, size.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE | (topLeft ? 0u : UINT(SWP_NOMOVE)));
    InvalidateRect(m_window, nullptr, TRUE);
}

LRESULT ControlTable::defaultButton() {
    HWND focus = GetFocus();
    HWND chosen = nullptr;
    for (std::size_t i = 0; i < m_layout.controls.size(); ++i) {
        if (m_layout.controls[i].kind == ControlKind::Button && m_handles[i] == focus)
            chosen = focus;
    }
    if (!chosen)
        chosen = handle(ControlRole::Ok);
    for (std::size_t i = 0; i < m_layout.controls.size(); ++i) {
        if (m_layout.controls[i].kind == ControlKind::Button) {
            SendMessageW(m_handles[i], BM_SETSTYLE, m_handles[i] == chosen ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON,
                         TRUE);
        }
    }
    return chosen ? MAKELRESULT(GetDlgCtrlID(chosen), DC_HASDEFID) : 0;
}

HFONT ControlTable::font(int pointSize, int dpi) {
    if (dpi != m_fontDpi) {
        for (const auto& [size, font] : m_fonts)
            DeleteObject(font);
        m_fonts.clear();
        m_fontDpi = dpi;
    }
    if (pointSize == 0)
        pointSize = kSystemPointSize;
    HFONT& font = m_fonts[pointSize];
    if (!font) {
        LOGFONTW description{};
        description.lfHeight = -MulDiv(pointSize, dpi, 72);
        description.lfWeight = FW_NORMAL;
        // Asked for without the Cyrillic character set, the face may be one that shows Cyrillic as boxes.
        description.lfCharSet = RUSSIAN_CHARSET;
        lstrcpynW(description.lfFaceName, L"MS Sans Serif", LF_FACESIZE);
        font = CreateFontIndirectW(&description);
    }
    return font;
}

void ControlTable::addToolTip(HWND control, std::string_view text) {
    if (!m_toolTips) {
        m_toolTips =
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
    SendMessageW(m_toolTips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

HBRUSH ControlTable::colour(HDC dc, HWND child) const {
    const Control* control = this->control(static_cast<WPARAM>(GetDlgCtrlID(child)));
    if (!control)
        return nullptr;
    COLORREF colour = 0;
    switch (control->colour) {
    case ColourRole::Default:
        return nullptr;
    case ColourRole::Title:
        colour = RGB(255, 0, 0);
        break;
    case ColourRole::Desktop:
        colour = GetSysColor(COLOR_DESKTOP);
        break;
    case ColourRole::Highlight:
        colour = GetSysColor(COLOR_HIGHLIGHT);
        break;
    case ColourRole::Shadow:
    case ColourRole::Light:
        // A line is a static without text, filled with the brush returned here.
        SetDCBrushColor(dc, control->colour == ColourRole::Shadow ? RGB(128, 128, 128) : RGB(255, 255, 255));
        return static_cast<HBRUSH>(GetStockObject(DC_BRUSH));
    }
    SetTextColor(dc, colour);
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return GetSysColorBrush(COLOR_BTNFACE);
}

HWND findControl(HWND window, std::string_view name) {
    const auto* table = static_cast<const ControlTable*>(GetPropW(window, kTableProperty));
    return table ? table->handle(name) : nullptr;
}

UINT findMenuItem(HWND window, std::string_view name) {
    const auto* table = static_cast<const ControlTable*>(GetPropW(window, kTableProperty));
    if (!table)
        return 0;
    const std::vector<MenuItem>& items = table->layout().menu;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].name == name)
            return static_cast<UINT>(ControlTable::kFirstMenuId + i);
    }
    return 0;
}

std::string_view windowName(HWND window) {
    const auto* table = static_cast<const ControlTable*>(GetPropW(window, kTableProperty));
    return table ? table->layout().name : std::string_view();
}
