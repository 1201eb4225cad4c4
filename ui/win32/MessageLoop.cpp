#include "ui/win32/MessageLoop.h"

#include "ui/win32/TableWindow.h"

void dispatchMessage(MSG& message) {
    // Only the windows built from a layout table are dialogs; a tool tip or a message box is not.
    HWND top = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (top && TableWindow::of(top) && IsDialogMessageW(top, &message))
        return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

int runMessageLoop(HWND window) {
    MSG message;
    while (!window || IsWindow(window)) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) {
            if (window)
                PostQuitMessage(static_cast<int>(message.wParam));
            return static_cast<int>(message.wParam);
        }
        if (got < 0)
            return 1;
        dispatchMessage(message);
    }
    return 0;
}
