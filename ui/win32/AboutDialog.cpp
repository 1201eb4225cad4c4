#include "ui/win32/AboutDialog.h"

#include "core/AboutFlow.h"
#include "ui/win32/Boxes.h"
#include "ui/win32/MessageLoop.h"
#include "ui/win32/TableWindow.h"

#include <algorithm>
#include <memory>

namespace {

class AboutDialog : public TableWindow {
public:
    // Builds the dialog over its owner, which takes no input while it is open; null if none came to be.
    static HWND open(HWND owner, Language language, platform::PlatformServices services) {
        const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(owner, GWLP_HINSTANCE));
        registerClass(instance, kAboutClassName);
        auto dialog = std::unique_ptr<AboutDialog>(new AboutDialog(owner, language, services));
        AboutDialog* built = dialog.get();
        HWND window = create(std::move(dialog), WS_EX_DLGMODALFRAME, kAboutClassName, built->m_model.layout(),
                             WS_POPUP | WS_CAPTION | WS_SYSMENU, owner, instance);
        if (!window)
            return nullptr;
        built->buildControls(built->m_model.layout());
        built->centreOverOwner();
        EnableWindow(owner, FALSE);
        ShowWindow(window, SW_SHOW);
        built->m_controls->focus(built->m_model.focus().first());
        return window;
    }

private:
    AboutDialog(HWND owner, Language language, platform::PlatformServices services)
        : TableWindow(language)
        , m_owner(owner)
        , m_model(language, services) {}

    FocusKeeper& focusKeeper() override { return m_model.focus(); }

    void close() override {
        // The owner first, so that it is the one activated when the dialog goes.
        EnableWindow(m_owner, TRUE);
        DestroyWindow(m_window);
    }

    void command(WPARAM wParam) override {
        // Enter and Esc reach here as IDOK and IDCANCEL when no button takes them.
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            close();
            return;
        }
        const Control* control = m_controls->control(wParam);
        if (!control || HIWORD(wParam) != BN_CLICKED)
            return;
        if (control->role == ControlRole::Ok) {
            close();
        } else if (control->role == ControlRole::SysInfo) {
            rememberFocus();
            const std::optional<Message> box = m_model.cmdSysInfo_Click();
            if (box && !runModal([&] { showMessage(m_window, *box); }))
                return;
            m_controls->focus(m_model.focus().last());
        }
    }

    // Centred over the main window and kept on its screen.
    void centreOverOwner() {
        RECT ownerFrame{};
        RECT frame{};
        GetWindowRect(m_owner, &ownerFrame);
        GetWindowRect(m_window, &frame);
        const LONG width = frame.right - frame.left;
        const LONG height = frame.bottom - frame.top;
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        GetMonitorInfoW(MonitorFromWindow(m_owner, MONITOR_DEFAULTTONEAREST), &monitor);
        const RECT& screen = monitor.rcWork;
        const LONG left = std::clamp((ownerFrame.left + ownerFrame.right - width) / 2, screen.left,
                                     std::max(screen.left, screen.right - width));
        const LONG top = std::clamp((ownerFrame.top + ownerFrame.bottom - height) / 2, screen.top,
                                    std::max(screen.top, screen.bottom - height));
        SetWindowPos(m_window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }

    HWND m_owner;
    AboutModel m_model;
};

} // namespace

void showAboutDialog(HWND owner, Language language, platform::PlatformServices services) {
    HWND window = AboutDialog::open(owner, language, services);
    if (!window)
        return;
    runMessageLoop(window);
    // Still there when the program was told to end meanwhile; the dialog must not outlive this call.
    if (IsWindow(window))
        SendMessageW(window, WM_CLOSE, 0, 0);
}
