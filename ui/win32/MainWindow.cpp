#include "ui/win32/MainWindow.h"

#include "platform/Utf16.h"
#include "ui/win32/AboutDialog.h"
#include "ui/win32/Accessible.h"
#include "ui/win32/Boxes.h"
#include "ui/win32/Geometry.h"
#include "ui/win32/MenuBar.h"
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

} // namespace

MainWindow::MainWindow(Session& session, Language language)
    : TableWindow(language)
    , m_session(session)
    , m_model(language, decimalSeparator()) {}

HWND MainWindow::open(Session& session, Language language, int show, const POINT* topLeft) {
    registerClass(session.instance, kClassName, LoadIconW(session.instance, MAKEINTRESOURCEW(IDI_BAZELOT)));
    auto view = std::unique_ptr<MainWindow>(new MainWindow(session, language));
    MainWindow* built = view.get();
    // A fixed dialog frame: the window can be closed but neither resized, minimised nor maximised.
    HWND window = create(std::move(view), 0, kClassName, built->m_model.layout(),
                         WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, nullptr, session.instance);
    if (!window)
        return nullptr;
    ++session.openWindows;
    built->build(topLeft);
    ShowWindow(window, show);
    built->m_controls->focus(built->m_model.focus().first());
    return window;
}

void MainWindow::build(const POINT* topLeft) {
    // The loaded state: nothing is checked while the window loads but the options the core presses.
    const MainWindowModel::State& state = m_model.state();
    buildControls(m_model.layout(), [&state](const Control& option) {
        const std::optional<SystemOption>& pressed =
            option.role == ControlRole::InputOption ? state.pressedInput : state.pressedOutput;
        return pressed == kSystemOptions[static_cast<std::size_t>(option.index)];
    });
    m_controls->accessibleTexts().setLookup([this](const Control& control, bool description) {
        return description ? m_model.accessibleDescription(control) : m_model.accessibleName(control);
    });
    if (topLeft)
        m_controls->placement().sizeWindow(topLeft);

    apply({.status = state.status, .calculateEnabled = state.calculateEnabled});
}

LRESULT MainWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kReplacedWindowShown) {
        apply(m_model.replacedWindowActivated());
        return 0;
    }
    if (message == WM_DESTROY && --m_session.openWindows == 0)
        PostQuitMessage(0);
    return TableWindow::handleMessage(message, wParam, lParam);
}

void MainWindow::command(WPARAM wParam) {
    if (const MenuCommand item = menuCommand(m_model.layout(), wParam);
        HIWORD(wParam) == 0 && item != MenuCommand::None) {
        apply(m_model.menuCommand(item));
        return;
    }
    if (const Control* control = m_controls->control(wParam))
        controlCommand(*control, HIWORD(wParam));
}

void MainWindow::controlCommand(const Control& control, WORD notification) {
    HWND handle = m_controls->handle(control.name);
    switch (control.role) {
    case ControlRole::InputBox:
        if (notification == EN_CHANGE)
            apply(m_model.txtValue_Change(platform::toUtf8(windowText(handle))));
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
            // The box runs a modal loop; the model finishes the translation after it either way.
            const WindowChange change = m_model.cmdCalculate_Click(
                [this](const Message& box) { runModal([&] { showMessage(m_window, box); }); });
            if (alive())
                apply(change);
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
    if (change.showAbout &&
        !runModal([this] { showAboutDialog(m_window, m_model.language(), m_session.services); }))
        return;
    if (change.focus)
        m_controls->focus(*change.focus);
    if (change.open) {
        // Only the place on the screen is kept, so that the window does not jump.
        RECT frame{};
        GetWindowRect(m_window, &frame);
        const POINT topLeft{frame.left, frame.top};
        if (HWND opened = open(m_session, *change.open, SW_SHOWNORMAL, &topLeft))
            PostMessageW(opened, kReplacedWindowShown, 0, 0);
    }
    if (change.quit)
        PostQuitMessage(0);
    // Last: nothing of the window is used once it has gone.
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
