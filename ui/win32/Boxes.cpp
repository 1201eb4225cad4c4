#include "ui/win32/Boxes.h"

#include "platform/Utf16.h"
#include "ui/win32/TableWindow.h"

void showMessage(HWND owner, const Message& message) {
    UINT icon = 0;
    switch (message.icon) {
    case MessageIcon::None:
        break;
    case MessageIcon::Warning:
        icon = MB_ICONWARNING;
        break;
    case MessageIcon::Error:
        icon = MB_ICONERROR;
        break;
    }
    MessageBoxW(owner, platform::toUtf16(message.text).c_str(), platform::toUtf16(message.title).c_str(),
                MB_OK | icon);
}

void showFailure(HWND where, const char* what) noexcept {
    try {
        // In the language of the window where it happened, which is held while the box is up; outside
        // any, in the language the program starts in.
        HWND root = GetAncestor(where, GA_ROOT);
        TableWindow* window = TableWindow::of(root);
        const Message box = unexpectedFailure(window ? window->language() : Language::Russian, what);
        if (window)
            window->runModal([&] { showMessage(root, box); });
        else
            showMessage(root, box);
    } catch (...) {
        // Not even the box could be made (no memory): the window goes on without it.
    }
}
