#include "ui/win32/Win32App.h"

#include "platform/SystemLauncher.h"
#include "platform/SystemRegistry.h"
#include "ui/win32/Accessible.h"
#include "ui/win32/MainWindow.h"
#include "ui/win32/MessageLoop.h"

#include <commctrl.h>

int runBazelot(HINSTANCE instance, int nCmdShow) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    // Left after the last window: the windows' objects that a screen reader holds need it until then.
    Accessible::Apartment apartment;
    platform::SystemRegistry registry;
    platform::SystemLauncher launcher;
    Session session{instance, {registry, launcher}};
    // Every run starts with the Russian window.
    if (!MainWindow::open(session, Language::Russian, nCmdShow))
        return 1;
    return runMessageLoop();
}
