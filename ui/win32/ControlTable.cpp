#include "ui/win32/ControlTable.h"

#include "core/Focus.h"
#include "platform/Utf16.h"
#include "ui/win32/Accessible.h"
#include "ui/win32/Geometry.h"
#include "ui/win32/InputBox.h"
#include "ui/win32/StatusBar.h"

#include <commctrl.h>

#include <cstdlib>

namespace {

constexpr wchar_t kTableProperty[] = L"Bazelot.ControlTable";

const ControlTable* tableOf(HWND window) {
    return static_cast<const ControlTable*>(GetPropW(window, kTableProperty));
}

// The size of the system's own dialog font, in points. The system gives its height in pixels at the
// system's DPI.
int systemPointSize() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0) ||
        metrics.lfMessageFont.lfHeight == 0)
        return 8;
    HDC screen = GetDC(nullptr);
    const int systemDpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return MulDiv(std::abs(metrics.lfMessageFont.lfHeight), 72,
                  systemDpi > 0 ? systemDpi : USER_DEFAULT_SCREEN_DPI);
}

COLORREF colourRef(const Colour& colour) {
    switch (colour.system) {
    case SystemColour::WindowText:
        return GetSysColor(COLOR_WINDOWTEXT);
    case SystemColour::Desktop:
        return GetSysColor(COLOR_DESKTOP);
    case SystemColour::Highlight:
        return GetSysColor(COLOR_HIGHLIGHT);
    case SystemColour::None:
        break;
    }
    return static_cast<COLORREF>(colour.red | colour.green << 8 | colour.blue << 16);
}

// What a screen reader says of a control of a table-built window, or of the window itself.
std::wstring speech(HWND control, bool description) {
    HWND window = GetAncestor(control, GA_ROOT);
    const ControlTable* table = tableOf(window);
    if (!table)
        return {};
    if (control == window)
        return description ? std::wstring() : platform::toUtf16(table->layout().accessibleName);
    const Control* entry = table->control(static_cast<WPARAM>(GetDlgCtrlID(control)));
    return entry ? platform::toUtf16(table->speak(*entry, description)) : std::wstring();
}

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
        // BS_NOTIFY: the window learns which control has the focus, as with the buttons below.
        return {L"BUTTON", BS_AUTORADIOBUTTON | BS_NOTIFY, 0};
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
    // Each control is made where it belongs, with its font: moving twenty controls afterwards is a good
    // part of the start-up under Wine.
    m_fontDpi = windowDpi(window);
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
        const RECT rect = controlRect(control, m_fontDpi);
        HWND handle =
            CreateWindowExW(kind.exStyle, kind.className, text.c_str(), style, rect.left, rect.top,
                            rect.right - rect.left, rect.bottom - rect.top, window,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstId + i)), instance, nullptr);
        SendMessageW(handle, WM_SETFONT, reinterpret_cast<WPARAM>(font(control.pointSize)), FALSE);
        m_handles.push_back(handle);
        if (control.kind == ControlKind::StatusBar) {
            StatusBar::attach(handle, control.textLines);
            SendMessageW(handle, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(text.c_str()));
        }
        if (control.role == ControlRole::InputBox)
            InputBox::attach(handle);
        if (!control.toolTip.empty())
            addToolTip(handle, control.toolTip);
        Accessible::attach(handle, speech);
    }
    Accessible::attach(window, speech);
    sizeWindow(m_fontDpi, nullptr);
}

std::string ControlTable::speak(const Control& control, bool description) const {
    if (m_speech)
        return m_speech(control, description);
    return description ? std::string(control.accessibleDescription) : spokenName(control);
}

ControlTable::~ControlTable() {
    RemovePropW(m_window, kTableProperty);
    if (m_toolTips)
        DestroyWindow(m_toolTips);
    deleteFonts(m_fonts);
}

void ControlTable::deleteFonts(Fonts& fonts) {
    for (const auto& [pointSize, font] : fonts)
        DeleteObject(font);
    fonts.clear();
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

const Control* ControlTable::focused() const {
    HWND focus = GetFocus();
    return focus && GetParent(focus) == m_window ? control(static_cast<WPARAM>(GetDlgCtrlID(focus)))
                                                 : nullptr;
}

bool ControlTable::focus(std::string_view name) const {
    HWND control = handle(name);
    if (!control || !IsWindowEnabled(control))
        return false;
    SetFocus(control);
    return true;
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
    // The fonts of the old DPI stay until every control has its new one.
    Fonts oldFonts;
    if (dpi != m_fontDpi) {
        oldFonts.swap(m_fonts);
        m_fontDpi = dpi;
    }
    for (std::size_t i = 0; i < m_layout.controls.size(); ++i) {
        const Control& control = m_layout.controls[i];
        const RECT rect = controlRect(control, dpi);
        MoveWindow(m_handles[i], rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, FALSE);
        SendMessageW(m_handles[i], WM_SETFONT, reinterpret_cast<WPARAM>(font(control.pointSize)), FALSE);
    }
    deleteFonts(oldFonts);
    sizeWindow(dpi, topLeft);
}

RECT ControlTable::controlRect(const Control& control, int dpi) const {
    const TwipsBox box = windowBox(m_layout, control);
    RECT rect = twipsRect(box, dpi);
    // A line is as thick as its box is high in pixels at 96 DPI, and as much thicker as the DPI is
    // higher, so that the two lines of an etched rule stay one rule.
    if (control.kind == ControlKind::Line)
        rect.bottom = rect.top + MulDiv(box.height, dpi, USER_DEFAULT_SCREEN_DPI);
    return rect;
}

void ControlTable::sizeWindow(int dpi, const POINT* topLeft) {
    const SIZE size = windowSizeForClient(m_window, m_layout.clientWidth, m_layout.clientHeight, dpi);
    SetWindowPos(m_window, nullptr, topLeft ? topLeft->x : 0, topLeft ? topLeft->y : 0, size.cx, size.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE | (topLeft ? 0u : UINT(SWP_NOMOVE)));
    InvalidateRect(m_window, nullptr, TRUE);
}

LRESULT ControlTable::defaultButton() {
    const Control* focusedControl = focused();
    const Control* target = enterTarget(m_layout, focusedControl ? focusedControl->name : std::string_view());
    HWND chosen = target ? handle(target->name) : nullptr;
    for (std::size_t i = 0; i < m_layout.controls.size(); ++i) {
        if (m_layout.controls[i].kind == ControlKind::Button) {
            SendMessageW(m_handles[i], BM_SETSTYLE, m_handles[i] == chosen ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON,
                         TRUE);
        }
    }
    return chosen ? MAKELRESULT(GetDlgCtrlID(chosen), DC_HASDEFID) : 0;
}

HFONT ControlTable::font(int pointSize) {
    // Keyed by the size asked for: the system's size is looked up once, not for every control.
    HFONT& handle = m_fonts[pointSize];
    if (!handle) {
        const Font& font = m_layout.font;
        if (pointSize == 0)
            pointSize = font.pointSize ? font.pointSize : systemPointSize();
        LOGFONTW description{};
        description.lfHeight = -MulDiv(pointSize, m_fontDpi, 72);
        description.lfWeight = FW_NORMAL;
        description.lfCharSet = static_cast<BYTE>(font.characterSet);
        lstrcpynW(description.lfFaceName, platform::toUtf16(font.face).c_str(), LF_FACESIZE);
        handle = CreateFontIndirectW(&description);
    }
    return handle;
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
    if (!control ||
        (control->kind != ControlKind::Line && control->colour.system == SystemColour::WindowText))
        return nullptr;
    if (control->kind == ControlKind::Line) {
        // A line is a static without text, filled with the brush returned here.
        SetDCBrushColor(dc, colourRef(control->colour));
        return static_cast<HBRUSH>(GetStockObject(DC_BRUSH));
    }
    SetTextColor(dc, colourRef(control->colour));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return GetSysColorBrush(COLOR_BTNFACE);
}

HWND findControl(HWND window, std::string_view name) {
    const ControlTable* table = tableOf(window);
    return table ? table->handle(name) : nullptr;
}

UINT findMenuItem(HWND window, std::string_view name) {
    const ControlTable* table = tableOf(window);
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
    const ControlTable* table = tableOf(window);
    return table ? table->layout().name : std::string_view();
}
