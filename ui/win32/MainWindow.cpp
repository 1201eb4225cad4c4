#include "ui/win32/MainWindow.h"

#include "platform/Utf16.h"
#include "ui/win32/AboutDialog.h"
#include "ui/win32/Accessible.h"
#include "ui/win32/Boxes.h"
#include "ui/win32/Geometry.h"
#include "ui/win32/Resources.h"

#include <commctrl.h>

#include <memory>
#include <string>

namespace {

std::string decimalSeparator() {
    wchar_t separator[8] = L".";
    GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8);
    return platform::toUtf8(separator);
}

std::string windowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return platform::toUtf8(text);
}

void registerClass(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    if (GetClassInfoExW(instance, MainWindow::kClassName, &windowClass))
        return;
    windowClass.lpfnWndProc = MainWindow::windowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_BAZELOT));
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = MainWindow::kClassName;
    RegisterClassExW(&windowClass);
}

} // namespace

MainWindow::MainWindow(Session& session, Language language)
    : m_session(session)
    , m_model(language, decimalSeparator()) {}

HWND MainWindow::open(Session& session, Language language, int show, const POINT* topLeft) {
    registerClass(session.instance);
    // The window takes the view over when it is created (WM_NCCREATE) and deletes it when it goes; a
    // window that never came to be leaves it here.
    auto view = std::unique_ptr<MainWindow>(new MainWindow(session, language));
    const std::wstring caption = platform::toUtf16(view->m_model.layout().caption);
    MainWindow* built = view.get();
    // A fixed dialog frame: the window can be closed but neither resized, minimised nor maximised.
    HWND window =
        CreateWindowExW(0, kClassName, caption.c_str(), WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                        CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, nullptr, nullptr, session.instance, &view);
    if (!window)
        return nullptr;
    ++session.openWindows;
    built->build(topLeft);
    ShowWindow(window, show);
    built->m_controls->focus(built->m_model.focus().first());
    return window;
}

void MainWindow::build(const POINT* topLeft) {
    m_controls = std::make_unique<ControlTable>(m_window, m_model.layout());
    m_controls->setSpeech([this](const Control& control, bool description) {
        return description ? m_model.accessibleDescription(control) : m_model.accessibleName(control);
    });
    if (topLeft)
        m_controls->place(windowDpi(m_window), topLeft);

    // The loaded state: nothing is checked while the window loads. The options are made released.
    const MainWindowModel::State& state = m_model.state();
    for (const auto& [role, pressed] : {std::pair{ControlRole::InputOption, state.pressedInput},
                                        std::pair{ControlRole::OutputOption, state.pressedOutput}}) {
        if (pressed)
            SendMessageW(m_controls->handle(role, static_cast<int>(indexOf(*pressed))), BM_SETCHECK,
                         BST_CHECKED, 0);
    }
    apply({.status = state.status, .calculateEnabled = state.calculateEnabled});
}

LRESULT CALLBACK MainWindow::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto& owner = *static_cast<std::unique_ptr<MainWindow>*>(
            reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        MainWindow* created = owner.release();
        created->m_window = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
    }
    auto* view = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!view)
        return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        delete view;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return guarded(window, [&] { return view->handle(message, wParam, lParam); });
}

LRESULT MainWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    // Not yet built, or being destroyed.
    if (!m_controls)
        return DefWindowProcW(m_window, message, wParam, lParam);
    switch (message) {
    case WM_COMMAND:
        command(wParam);
        return 0;
    case DM_GETDEFID:
        // Enter presses the focused button, and nothing when the focus is elsewhere.
        return m_controls->defaultButton();
    case WM_CTLCOLORSTATIC:
        if (HBRUSH brush = m_controls->colour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)))
            return reinterpret_cast<LRESULT>(brush);
        break;
    case WM_ACTIVATE:
        // Not a dialog: the focus is remembered when another window (a box, the About dialog) takes
        // over, and given back where the core says when this one is active again.
        if (LOWORD(wParam) == WA_INACTIVE) {
            rememberFocus();
        } else if (m_controls->focus(m_model.focus().last())) {
            return 0;
        }
        break;
    case WM_DPICHANGED: {
        const auto* suggested = reinterpret_cast<const RECT*>(lParam);
        const POINT topLeft{suggested->left, suggested->top};
        m_controls->place(HIWORD(wParam), &topLeft);
        return 0;
    }
    case WM_DESTROY:
        m_controls.reset();
        if (--m_session.openWindows == 0)
            PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(m_window, message, wParam, lParam);
}

void MainWindow::command(WPARAM wParam) {
    if (const MenuCommand item = m_controls->menuCommand(wParam);
        HIWORD(wParam) == 0 && item != MenuCommand::None) {
        apply(m_model.menuCommand(item));
        return;
    }
    if (const Control* control = m_controls->control(wParam))
        controlCommand(*control, HIWORD(wParam));
}

void MainWindow::controlCommand(const Control& control, WORD notification) {
    HWND handle = m_controls->handle(control.name);
    if (notification == BN_SETFOCUS || notification == BN_KILLFOCUS || notification == EN_SETFOCUS) {
        rememberFocus();
        m_controls->defaultButton();
        return;
    }
    switch (control.role) {
    case ControlRole::InputBox:
        if (notification == EN_CHANGE)
            apply(m_model.txtValue_Change(windowText(handle)));
        break;
    case ControlRole::InputOption:
    case ControlRole::OutputOption: {
        if (notification != BN_CLICKED)
            break;
        const SystemOption option = kSystemOptions[static_cast<std::size_t>(control.index)];
        const bool pressed = SendMessageW(handle, BM_GETCHECK, 0, 0) == BST_CHECKED;
        apply(control.role == ControlRole::InputOption ? m_model.optSysInp_Click(option, pressed)
                                                       : m_model.optSysOut_Click(option, pressed));
        break;
    }
    case ControlRole::Calculate:
        if (notification == BN_CLICKED) {
            apply(m_model.cmdCalculate_Click([this](const Message& box) { showMessage(m_window, box); }));
        }
        break;
    case ControlRole::Exit:
        if (notification == BN_CLICKED)
            apply(m_model.cmdExit_Click());
        break;
    default:
        break;
    }
}

void MainWindow::apply(const WindowChange& change) {
    if (change.status) {
        SendMessageW(m_controls->handle(ControlRole::Status), SB_SETTEXTW, 0,
                     reinterpret_cast<LPARAM>(platform::toUtf16(*change.status).c_str()));
    }
    if (change.calculateEnabled)
        EnableWindow(m_controls->handle(ControlRole::Calculate), *change.calculateEnabled);
    if (change.result) {
        SetWindowTextW(m_controls->handle(ControlRole::ResultBox), platform::toUtf16(*change.result).c_str());
    }
    if (change.announcement)
        announce(*change.announcement);
    applyTabStops();
    if (change.showAbout)
        showAboutDialog(m_window, m_model.language(), m_session.services);
    if (change.focus)
        m_controls->focus(*change.focus);
    if (change.open) {
        // Only the place on the screen is kept, so that the window does not jump.
        RECT frame{};
        GetWindowRect(m_window, &frame);
        const POINT topLeft{frame.left, frame.top};
        open(m_session, *change.open, SW_SHOWNORMAL, &topLeft);
    }
    if (change.quit)
        PostQuitMessage(0);
    // Last: the view goes with its window.
    if (change.close)
        DestroyWindow(m_window);
}

void MainWindow::announce(const Announcement& announcement) {
    Accessible::announce(m_window, m_controls->handle(announcement.control), announcement.control,
                         announcement.text, m_session.notifier);
}

void MainWindow::applyTabStops() {
    for (const Control& control : m_model.layout().controls) {
        if (control.kind != ControlKind::Option)
            continue;
        HWND handle = m_controls->handle(control.name);
        const LONG_PTR style = GetWindowLongPtrW(handle, GWL_STYLE);
        // Read here, written only when it changes: a write is a round trip to the window server.
        const LONG_PTR wanted =
            m_model.isTabStop(control) ? style | WS_TABSTOP : style & ~LONG_PTR(WS_TABSTOP);
        if (wanted != style)
            SetWindowLongPtrW(handle, GWL_STYLE, wanted);
    }
}

void MainWindow::rememberFocus() {
    if (const Control* control = m_controls->focused())
        m_model.focus().focused(control->name);
}
