#include "ui/win32/TableWindow.h"

#include "platform/Utf16.h"
#include "ui/win32/Boxes.h"
#include "ui/win32/DefaultButton.h"
#include "ui/win32/MenuBar.h"
#include "ui/win32/StaticColours.h"

#include <string>

TableWindow* TableWindow::of(HWND window) {
    DWORD process = 0;
    if (!window || !GetWindowThreadProcessId(window, &process) || process != GetCurrentProcessId() ||
        GetClassLongPtrW(window, GCLP_WNDPROC) != reinterpret_cast<ULONG_PTR>(windowProc))
        return nullptr;
    return reinterpret_cast<TableWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

void TableWindow::registerClass(HINSTANCE instance, const wchar_t* className, HICON icon) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    if (GetClassInfoExW(instance, className, &windowClass))
        return;
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = icon;
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = className;
    RegisterClassExW(&windowClass);
}

HWND TableWindow::create(std::unique_ptr<TableWindow> object, DWORD exStyle, const wchar_t* className,
                         const WindowLayout& layout, DWORD style, HWND owner, HINSTANCE instance) {
    // The window takes the object over at WM_NCCREATE; a window that never came to be leaves it here.
    // An owned window is placed by its owner; the system places a top-level one. The menu bar comes
    // with the window: set afterwards, it would make the system lay the frame out once more.
    const int position = owner ? 0 : CW_USEDEFAULT;
    HMENU menu = menuBar(layout);
    HWND window = CreateWindowExW(exStyle, className, platform::toUtf16(layout.caption).c_str(), style,
                                  position, position, 0, 0, owner, menu, instance, &object);
    if (!window && menu)
        DestroyMenu(menu);
    return window;
}

void TableWindow::buildControls(const WindowLayout& layout, const ControlTable::Pressed& pressed) {
    m_controls = std::make_unique<ControlTable>(m_window, layout, pressed);
}

LRESULT CALLBACK TableWindow::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto& owner = *static_cast<std::unique_ptr<TableWindow>*>(
            reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        TableWindow* created = owner.release();
        created->m_window = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
    }
    // The class's own procedure: the user data is the object, from WM_NCCREATE to WM_NCDESTROY.
    auto* self = reinterpret_cast<TableWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->m_window = nullptr;
        self->releaseWhenDone();
        return DefWindowProcW(window, message, wParam, lParam);
    }
    // Not yet built, or being destroyed.
    if (!self->m_controls)
        return DefWindowProcW(window, message, wParam, lParam);
    ++self->m_running;
    const LRESULT result = guarded(window, [&] { return self->handleMessage(message, wParam, lParam); });
    --self->m_running;
    self->releaseWhenDone();
    return result;
}

void TableWindow::releaseWhenDone() {
    if (!m_window && m_running == 0)
        delete this;
}

bool TableWindow::runModal(const std::function<void()>& loop) {
    {
        // Counted out again whatever the loop throws.
        struct Count {
            TableWindow& window;
            ~Count() {
                --window.m_modalLoops;
                --window.m_running;
            }
        };
        ++m_running;
        ++m_modalLoops;
        const Count count{*this};
        loop();
    }
    const bool lives = alive();
    releaseWhenDone();
    return lives;
}

LRESULT TableWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND: {
        const WORD notification = HIWORD(wParam);
        if (m_controls->control(wParam) &&
            (notification == BN_SETFOCUS || notification == BN_KILLFOCUS || notification == EN_SETFOCUS)) {
            rememberFocus();
            defaultButton(*m_controls);
        } else {
            command(wParam);
        }
        return 0;
    }
    case DM_GETDEFID:
        // Enter presses what the core says for the focused control, and nothing where it says none.
        return defaultButton(*m_controls);
    case WM_CTLCOLORSTATIC:
        if (HBRUSH brush =
                staticBrush(*m_controls, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)))
            return reinterpret_cast<LRESULT>(brush);
        break;
    case WM_ACTIVATE:
        // Not a dialog class: the focus is remembered when another window (a box, a dialog) takes
        // over, and given back where the core says when this one is active again.
        if (LOWORD(wParam) == WA_INACTIVE) {
            rememberFocus();
        } else if (m_controls->focus(focusKeeper().last())) {
            return 0;
        }
        break;
    case WM_SETCURSOR:
        m_controls->toolTips().mouseOver();
        break;
    case WM_DPICHANGED: {
        const auto* suggested = reinterpret_cast<const RECT*>(lParam);
        const POINT topLeft{suggested->left, suggested->top};
        m_controls->placement().place(HIWORD(wParam), &topLeft);
        return 0;
    }
    case WM_CLOSE:
        // Refused while a box or dialog of ours runs over the window: the code after it needs the window.
        if (m_modalLoops == 0)
            close();
        return 0;
    case WM_DESTROY:
        m_controls.reset();
        return 0;
    }
    return DefWindowProcW(m_window, message, wParam, lParam);
}

void TableWindow::rememberFocus() {
    if (const Control* control = m_controls->focused())
        focusKeeper().focused(control->name);
}
