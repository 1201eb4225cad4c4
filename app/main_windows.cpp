#include "ui/win32/Win32App.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int nCmdShow) {
    // Every run starts in Russian; the command line is not consulted.
    return runBazelot(instance, nCmdShow);
}
