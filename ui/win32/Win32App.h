#pragma once

#include <windows.h>

// The Win32 front-end as the program's entry point hands over to it: opens the Russian main window
// shown as nCmdShow asks, runs the message loop until the program ends and returns its exit code.
int runBazelot(HINSTANCE instance, int nCmdShow);
