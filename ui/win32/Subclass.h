#pragma once

#include <windows.h>

// A window procedure put in front of a window's own with SetWindowLongPtr, as the platform's
// documentation describes subclassing, instead of comctl32's SetWindowSubclass: under Wine that one
// reads a window property, a round trip to Wine's server, for every message of every window it
// subclassed, which cost the start-up several milliseconds. What came before each procedure is kept in
// the process, by window and procedure. For the windows of one thread.
namespace Subclass {

// What a subclass procedure finds of itself on a window.
struct Link {
    WNDPROC next = nullptr; // the procedure it stands in front of
    void* data = nullptr;

    // Hands a message on; the system's default handling where the window is not subclassed so.
    LRESULT callNext(HWND window, UINT message, WPARAM wParam, LPARAM lParam) const;
};

// Puts `procedure` in front of the window's procedure, with its data.
void install(HWND window, WNDPROC procedure, void* data = nullptr);
// The link of `procedure` on the window; empty when it is not there.
Link find(HWND window, WNDPROC procedure);
// Takes the data away: the procedure stays in front of the window, with nothing of its own left.
void release(HWND window, WNDPROC procedure);
// Hands WM_NCDESTROY, the window's last message, on and forgets the link.
LRESULT finish(HWND window, WNDPROC procedure, WPARAM wParam, LPARAM lParam);

} // namespace Subclass
