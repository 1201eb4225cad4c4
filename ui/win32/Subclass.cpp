#include "ui/win32/Subclass.h"

#include <algorithm>
#include <vector>

namespace {

struct Entry {
    HWND window;
    WNDPROC procedure;
    Subclass::Link link;
};

// A few dozen at most: the controls of the open windows.
std::vector<Entry>& entries() {
    static std::vector<Entry> all;
    return all;
}

} // namespace

namespace Subclass {

LRESULT Link::callNext(HWND window, UINT message, WPARAM wParam, LPARAM lParam) const {
    return next ? CallWindowProcW(next, window, message, wParam, lParam)
                : DefWindowProcW(window, message, wParam, lParam);
}

void install(HWND window, WNDPROC procedure, void* data) {
    const auto previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
    if (previous)
        entries().push_back({window, procedure, {previous, data}});
}

Link find(HWND window, WNDPROC procedure) {
    for (const Entry& entry : entries()) {
        if (entry.window == window && entry.procedure == procedure)
            return entry.link;
    }
    return {};
}

void release(HWND window, WNDPROC procedure) {
    for (Entry& entry : entries()) {
        if (entry.window == window && entry.procedure == procedure)
            entry.link.data = nullptr;
    }
}

LRESULT finish(HWND window, WNDPROC procedure, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = find(window, procedure).callNext(window, WM_NCDESTROY, wParam, lParam);
    std::erase_if(entries(),
                  [&](const Entry& entry) { return entry.window == window && entry.procedure == procedure; });
    return result;
}

} // namespace Subclass
