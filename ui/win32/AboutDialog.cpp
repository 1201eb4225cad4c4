#include "ui/win32/AboutDialog.h"

#include "core/AboutFlow.h"
#include "core/Layout.h"
#include "platform/Utf16.h"
#include "ui/win32/Boxes.h"
#include "ui/win32/ControlTable.h"
#include "ui/win32/MessageLoop.h"

#include <algorithm>
#include <memory>

namespace {

struct AboutDialog {
    HWND owner;
    AboutModel model;
    std::unique_ptr<ControlTable> controls = {};

    // Tells the model which control has the focus, before another window takes it.
    void rememberFocus() {
        if (const Control* control = controls->focused())
            model.focus().focused(control->name);
    }

    void close(HWND window) {
        // The owner first, so that it is the one activated when the dialog goes.
        EnableWindow(owner, TRUE);
        DestroyWindow(window);
    }

    void command(HWND window, WPARAM wParam) {
        // Enter and Esc reach here as IDOK and IDCANCEL when no button takes them.
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            close(window);
            return;
        }
        const Control* control = controls->control(wParam);
        if (!control)
            return;
        if (HIWORD(wParam) == BN_SETFOCUS || HIWORD(wParam) == BN_KILLFOCUS) {
            rememberFocus();
            controls->defaultButton();
        } else if (HIWORD(wParam) == BN_CLICKED && control->role == ControlRole::Ok) {
            close(window);
        } else if (HIWORD(wParam) == BN_CLICKED && control->role == ControlRole::SysInfo) {
            rememberFocus();
            if (const std::optional<Message> box = model.cmdSysInfo_Click())
                showMessage(window, *box);
            controls->focus(model.focus().last());
        }
    }

    LRESULT handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
};

LRESULT CALLBACK aboutProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        SetWindowLongPtrW(
            window, GWLP_USERDATA,
            reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    }
    auto* dialog = reinterpret_cast<AboutDialog*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!dialog || !dialog->controls)
        return DefWindowProcW(window, message, wParam, lParam);
    return guarded(window, [&] { return dialog->handle(window, message, wParam, lParam); });
}

LRESULT AboutDialog::handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        command(window, wParam);
        return 0;
    case DM_GETDEFID:
        return controls->defaultButton();
    case WM_CTLCOLORSTATIC:
        if (HBRUSH brush = controls->colour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)))
            return reinterpret_cast<LRESULT>(brush);
        break;
    case WM_CLOSE:
        close(window);
        return 0;
    case WM_ACTIVATE:
        // Not a dialog class: the focus is remembered and given back by hand.
        if (LOWORD(wParam) == WA_INACTIVE) {
            rememberFocus();
        } else {
            controls->focus(model.focus().last());
            return 0;
        }
        break;
    case WM_DPICHANGED: {
        const auto* suggested = reinterpret_cast<const RECT*>(lParam);
        const POINT topLeft{suggested->left, suggested->top};
        controls->place(HIWORD(wParam), &topLeft);
        return 0;
    }
    case WM_DESTROY:
        controls.reset();
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void registerClass(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    if (GetClassInfoExW(instance, kAboutClassName, &windowClass))
        return;
    windowClass.lpfnWndProc = aboutProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kAboutClassName;
    RegisterClassExW(&windowClass);
}

} // namespace

void showAboutDialog(HWND owner, Language language, platform::PlatformServices services) {
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(owner, GWLP_HINSTANCE));
    registerClass(instance);
    AboutDialog dialog{owner, AboutModel(language, services)};
    HWND window = CreateWindowExW(
        WS_EX_DLGMODALFRAME, kAboutClassName, platform::toUtf16(dialog.model.layout().caption).c_str(),
        WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 0, 0, 0, owner, nullptr, instance, &dialog);
    if (!window)
        return;
    dialog.controls = std::make_unique<ControlTable>(window, dialog.model.layout());

    // Centred over the main window and kept on its screen; the main window takes no input meanwhile.
    RECT ownerFrame{};
    RECT frame{};
    GetWindowRect(owner, &ownerFrame);
    GetWindowRect(window, &frame);
    const LONG width = frame.right - frame.left;
    const LONG height = frame.bottom - frame.top;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& screen = monitor.rcWork;
    const LONG left = std::clamp((ownerFrame.left + ownerFrame.right - width) / 2, screen.left,
                                 std::max(screen.left, screen.right - width));
    const LONG top = std::clamp((ownerFrame.top + ownerFrame.bottom - height) / 2, screen.top,
                                std::max(screen.top, screen.bottom - height));
    SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EnableWindow(owner, FALSE);
    ShowWindow(window, SW_SHOW);
    dialog.controls->focus(dialog.model.focus().first());
    runMessageLoop(window);
    // Still there when the program was told to end meanwhile; the view must not outlive this call.
    if (IsWindow(window))
        dialog.close(window);
}
