#include "ui/win32/ControlTable.h"

#include "platform/Utf16.h"
#include "ui/win32/Accessible.h"
#include "ui/win32/Geometry.h"
#include "ui/win32/InputBox.h"
#include "ui/win32/StatusBar.h"

#include <commctrl.h>

namespace {

constexpr wchar_t kTableProperty[] = L"Bazelot.ControlTable";

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

} // namespace

ControlTable::ControlTable(HWND window, const WindowLayout& layout, const Pressed& pressed)
    : m_window(window)
    , m_layout(layout)
    , m_toolTips(*this)
    , m_placement(*this, windowDpi(window)) {
    SetPropW(window, kTableProperty, this);
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE));
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
        // A pressed option is made a plain radio button, checked, then made automatic: checking an
        // automatic one releases the rest of its group by walking all its siblings, a round trip to
        // Wine's server each, and the others are released anyway.
        const bool checked = option && pressed && pressed(control);
        if (checked)
            style = (style & ~DWORD(BS_TYPEMASK)) | BS_RADIOBUTTON;
        const std::wstring text =
            control.kind == ControlKind::TextBox ? std::wstring() : platform::toUtf16(control.text);
        // Made where it belongs, with its font: moving twenty controls afterwards is a good part of the
        // start-up under Wine.
        const RECT rect = m_placement.controlRect(control);
        HWND handle =
            CreateWindowExW(kind.exStyle, kind.className, text.c_str(), style, rect.left, rect.top,
                            rect.right - rect.left, rect.bottom - rect.top, window,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstId + i)), instance, nullptr);
        SendMessageW(handle, WM_SETFONT, reinterpret_cast<WPARAM>(m_placement.font(control.pointSize)),
                     FALSE);
        m_handles.push_back(handle);
        if (checked) {
            SendMessageW(handle, BM_SETCHECK, BST_CHECKED, 0);
            SendMessageW(handle, BM_SETSTYLE, kind.style, FALSE);
        }
        if (control.kind == ControlKind::StatusBar) {
            StatusBar::attach(handle, control.textLines);
            SendMessageW(handle, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(text.c_str()));
        }
        if (control.role == ControlRole::InputBox)
            InputBox::attach(handle);
        Accessible::attach(handle, accessibleText);
    }
    Accessible::attach(window, accessibleText);
    m_placement.sizeWindow();
}

ControlTable::~ControlTable() {
    RemovePropW(m_window, kTableProperty);
}

const ControlTable* ControlTable::of(HWND window) {
    return static_cast<const ControlTable*>(GetPropW(window, kTableProperty));
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

HWND findControl(HWND window, std::string_view name) {
    const ControlTable* table = ControlTable::of(window);
    return table ? table->handle(name) : nullptr;
}

std::string_view windowName(HWND window) {
    const ControlTable* table = ControlTable::of(window);
    return table ? table->layout().name : std::string_view();
}

std::wstring windowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}
