#include "ui/win32/Placement.h"

#include "platform/Utf16.h"
#include "ui/win32/ControlTable.h"
#include "ui/win32/Geometry.h"

#include <cstdlib>

namespace {

// The size of the system's own dialog font, in points. The system gives its height in pixels at the
// system's DPI.
int systemPointSize() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0) ||
        metrics.lfMessageFont.lfHeight == 0)
        return 8;
    HDC screen = GetDC(nullptr);
    const int systemDpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return MulDiv(std::abs(metrics.lfMessageFont.lfHeight), 72,
                  systemDpi > 0 ? systemDpi : USER_DEFAULT_SCREEN_DPI);
}

// A control's box on the window: one placed on a frame is at the frame's offset plus its own.
TwipsBox windowBox(const WindowLayout& layout, const Control& control) {
    TwipsBox box = control.box;
    for (const Control& frame : layout.controls) {
        if (!control.parent.empty() && frame.name == control.parent) {
            box.left += frame.box.left;
            box.top += frame.box.top;
        }
    }
    return box;
}

} // namespace

Placement::~Placement() {
    deleteFonts(m_fonts);
}

void Placement::deleteFonts(Fonts& fonts) {
    for (const auto& [pointSize, font] : fonts)
        DeleteObject(font);
    fonts.clear();
}

void Placement::place(int dpi, const POINT* topLeft) {
    // The fonts of the old DPI stay until every control has its new one.
    Fonts oldFonts;
    if (dpi != m_fontDpi) {
        oldFonts.swap(m_fonts);
        m_fontDpi = dpi;
    }
    const WindowLayout& layout = m_table.layout();
    for (std::size_t i = 0; i < layout.controls.size(); ++i) {
        const Control& control = layout.controls[i];
        const RECT rect = controlRect(control);
        HWND handle = m_table.handles()[i];
        MoveWindow(handle, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, FALSE);
        SendMessageW(handle, WM_SETFONT, reinterpret_cast<WPARAM>(font(control.pointSize)), FALSE);
    }
    deleteFonts(oldFonts);
    sizeWindow(topLeft);
}

RECT Placement::controlRect(const Control& control) const {
    const TwipsBox box = windowBox(m_table.layout(), control);
    RECT rect = twipsRect(box, m_fontDpi);
    // A line is as thick as its box is high in pixels at 96 DPI, and as much thicker as the DPI is
    // higher, so that the two lines of an etched rule stay one rule.
    if (control.kind == ControlKind::Line)
        rect.bottom = rect.top + MulDiv(box.height, m_fontDpi, USER_DEFAULT_SCREEN_DPI);
    return rect;
}

void Placement::sizeWindow(const POINT* topLeft) {
    const WindowLayout& layout = m_table.layout();
    HWND window = m_table.window();
    const SIZE size = windowSizeForClient(window, layout.clientWidth, layout.clientHeight, m_fontDpi);
    SetWindowPos(window, nullptr, topLeft ? topLeft->x : 0, topLeft ? topLeft->y : 0, size.cx, size.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE | (topLeft ? 0u : UINT(SWP_NOMOVE)));
    InvalidateRect(window, nullptr, TRUE);
}

HFONT Placement::font(int pointSize) {
    // Keyed by the size asked for: the system's size is looked up once, not for every control.
    HFONT& handle = m_fonts[pointSize];
    if (!handle) {
        const Font& font = m_table.layout().font;
        if (pointSize == 0)
            pointSize = font.pointSize ? font.pointSize : systemPointSize();
        LOGFONTW description{};
        description.lfHeight = -MulDiv(pointSize, m_fontDpi, 72);
        description.lfWeight = FW_NORMAL;
        description.lfCharSet = static_cast<BYTE>(font.characterSet);
        lstrcpynW(description.lfFaceName, platform::toUtf16(font.face).c_str(), LF_FACESIZE);
        handle = CreateFontIndirectW(&description);
    }
    return handle;
}
