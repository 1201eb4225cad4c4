#include "ui/win32/Geometry.h"

namespace {

// Looked up at run time: Windows 10 has them, older systems and the null driver may not.
template <typename Function>
Function user32Function(const char* name) {
    return reinterpret_cast<Function>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

} // namespace

int windowDpi(HWND window) {
    using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = user32Function<GetDpiForWindowFunction>("GetDpiForWindow");
    if (getDpiForWindow) {
        if (const UINT dpi = getDpiForWindow(window))
            return static_cast<int>(dpi);
    }
    return USER_DEFAULT_SCREEN_DPI;
}

RECT twipsRect(const TwipsBox& box, int dpi) {
    return {twipsToPixels(box.left, dpi), twipsToPixels(box.top, dpi),
            twipsToPixels(box.left + box.width, dpi), twipsToPixels(box.top + box.height, dpi)};
}

SIZE windowSizeForClient(HWND window, int clientWidth, int clientHeight, int dpi) {
    using AdjustForDpiFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    static const auto adjustForDpi = user32Function<AdjustForDpiFunction>("AdjustWindowRectExForDpi");
    RECT rect{0, 0, twipsToPixels(clientWidth, dpi), twipsToPixels(clientHeight, dpi)};
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE));
    const BOOL hasMenu = GetMenu(window) != nullptr;
    if (!adjustForDpi || !adjustForDpi(&rect, style, hasMenu, exStyle, static_cast<UINT>(dpi)))
        AdjustWindowRectEx(&rect, style, hasMenu, exStyle);
    return {rect.right - rect.left, rect.bottom - rect.top};
}
