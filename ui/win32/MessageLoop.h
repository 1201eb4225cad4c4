#pragma once

#include <windows.h>

// Runs the thread's messages until WM_QUIT, or until `window` is gone when one is given (a modal
// dialog's own loop; a WM_QUIT seen then is posted again for the outer loop). Keys go through the
// dialog manager of our top-level windows: Tab order, arrow keys in a group, Alt access keys, Enter and
// Esc. Returns WM_QUIT's exit code, or 0 when the window went.
int runMessageLoop(HWND window = nullptr);

// One message as the loop handles it; tests hand messages in here.
void dispatchMessage(MSG& message);
