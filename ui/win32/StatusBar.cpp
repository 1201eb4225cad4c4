#include "ui/win32/StatusBar.h"

#include "ui/win32/Boxes.h"
#include "ui/win32/Geometry.h"
#include "ui/win32/Subclass.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <string>

namespace {

// The panel's edge inside the bar: without a visual style the control draws it sunken, one pixel wide at
// any DPI, and hands over the panel inside it.
constexpr int kEdge = 1;

struct Bar {
    HWND handle;
    HWND window;
    int lines;         // of text the panel has room for; 0: as the bar's box holds
    std::wstring text; // the panel's text: the control itself holds only the owner-draw mark
};

HFONT barFont(HWND bar) {
    auto* font = reinterpret_cast<HFONT>(SendMessageW(bar, WM_GETFONT, 0, 0));
    return font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

TEXTMETRICW fontMetrics(HDC dc, HFONT font) {
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    return metrics;
}

// Between the text and the panel's edge, on each side: the font's internal leading, which grows with
// the font and so with the DPI, and never less than the control's own indent of its text.
int margin(const TEXTMETRICW& metrics) {
    return std::max<int>(metrics.tmInternalLeading, 3);
}

// The bar's height that gives its panel room for its lines of text: the control's border above and
// below the panel, the panel's edge, the margin and the lines. 0 where the layout asks for no lines.
int neededHeight(const Bar& bar) {
    if (bar.lines <= 0)
        return 0;
    HDC dc = GetDC(bar.handle);
    const TEXTMETRICW metrics = fontMetrics(dc, barFont(bar.handle));
    ReleaseDC(bar.handle, dc);
    int borders[3] = {}; // horizontal, vertical, between panels
    SendMessageW(bar.handle, SB_GETBORDERS, 0, reinterpret_cast<LPARAM>(borders));
    return 2 * (borders[1] + kEdge + margin(metrics)) + bar.lines * static_cast<int>(metrics.tmHeight);
}

// The bar's box on the window, as its layout placed it; empty while it is not placed yet.
RECT placedBox(const Bar& bar) {
    RECT box{};
    GetWindowRect(bar.handle, &box);
    MapWindowPoints(nullptr, bar.window, reinterpret_cast<POINT*>(&box), 2);
    return box;
}

// The window grows, as it is sized, where its client area would leave the bar less height than it needs
// below the top its layout gives it: in the same sizing, as a second one would cost the start-up a
// round of moves and repaints. The system then keeps the size within the screen.
void makeRoom(const Bar& bar, WINDOWPOS& position) {
    const RECT box = placedBox(bar);
    if ((position.flags & SWP_NOSIZE) || box.right <= box.left)
        return;
    const int frame = windowSizeForClient(bar.window, 0, 0, windowDpi(bar.window)).cy;
    position.cy = std::max<int>(position.cy, frame + box.top + neededHeight(bar));
}

// The bar keeps its top and reaches down to the bottom of the window's client area; in a window that
// could not grow enough (a screen too small), as much of it as fits.
void dock(const Bar& bar) {
    const RECT box = placedBox(bar);
    if (box.right <= box.left)
        return; // not placed yet
    RECT client{};
    GetClientRect(bar.window, &client);
    MoveWindow(bar.handle, 0, box.top, client.right, std::max<int>(client.bottom - box.top, 0), TRUE);
}

// Inside the panel's edge, as the control hands it over: the text word-wrapped within the margin,
// its lines centred in the panel's height.
void drawText(const Bar& bar, const DRAWITEMSTRUCT& item) {
    HDC dc = item.hDC;
    const HFONT font = barFont(bar.handle);
    const int space = margin(fontMetrics(dc, font));
    HGDIOBJ oldFont = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    RECT area = item.rcItem;
    InflateRect(&area, -space, -space);
    RECT measured = area;
    const UINT format = DT_WORDBREAK | DT_NOPREFIX | DT_END_ELLIPSIS | DT_EDITCONTROL;
    const int height = DrawTextW(dc, bar.text.c_str(), -1, &measured, format | DT_CALCRECT);
    if (height < area.bottom - area.top)
        area.top += (area.bottom - area.top - height) / 2;
    DrawTextW(dc, bar.text.c_str(), -1, &area, format);
    SelectObject(dc, oldFont);
}

LRESULT CALLBACK barProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam);

void setText(Bar& bar, const wchar_t* text) {
    bar.text = text ? text : L"";
    // Owner-drawn: the control keeps no text of its own and hands the panel to drawText. It need not
    // redraw a panel whose owner-draw data did not change.
    Subclass::find(bar.handle, barProc).callNext(bar.handle, SB_SETTEXTW, SBT_OWNERDRAW, 0);
    InvalidateRect(bar.handle, nullptr, FALSE);
}

// SB_GETTEXT*: the length in the low word, the drawing type (none) in the high word.
LRESULT copyPanelText(const Bar& bar, bool wide, LPARAM buffer) {
    if (wide) {
        if (buffer)
            std::memcpy(reinterpret_cast<wchar_t*>(buffer), bar.text.c_str(),
                        (bar.text.size() + 1) * sizeof(wchar_t));
        return MAKELRESULT(bar.text.size(), 0);
    }
    const int size = static_cast<int>(bar.text.size());
    const int length = WideCharToMultiByte(CP_ACP, 0, bar.text.c_str(), size, nullptr, 0, nullptr, nullptr);
    if (buffer) {
        auto* out = reinterpret_cast<char*>(buffer);
        WideCharToMultiByte(CP_ACP, 0, bar.text.c_str(), size, out, length, nullptr, nullptr);
        out[length] = '\0';
    }
    return MAKELRESULT(length, 0);
}

LRESULT handleWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                            const Subclass::Link& link) {
    Bar& bar = *static_cast<Bar*>(link.data);
    switch (message) {
    case WM_DRAWITEM:
        if (reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->hwndItem == bar.handle) {
            drawText(bar, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        }
        break;
    case WM_WINDOWPOSCHANGING:
        makeRoom(bar, *reinterpret_cast<WINDOWPOS*>(lParam));
        break;
    case WM_SIZE: {
        const LRESULT result = link.callNext(window, message, wParam, lParam);
        if (wParam != SIZE_MINIMIZED)
            dock(bar);
        return result;
    }
    }
    return link.callNext(window, message, wParam, lParam);
}

LRESULT CALLBACK parentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const Subclass::Link link = Subclass::find(window, parentProc);
    if (message == WM_NCDESTROY)
        return Subclass::finish(window, parentProc, wParam, lParam);
    if (!link.data) // the bar has gone before the window
        return link.callNext(window, message, wParam, lParam);
    return guarded(window, [&] { return handleWindowMessage(window, message, wParam, lParam, link); });
}

LRESULT handleBarMessage(HWND handle, UINT message, WPARAM wParam, LPARAM lParam, const Subclass::Link& link);

LRESULT CALLBACK barProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    const Subclass::Link link = Subclass::find(handle, barProc);
    return guarded(handle, [&] { return handleBarMessage(handle, message, wParam, lParam, link); });
}

LRESULT handleBarMessage(HWND handle, UINT message, WPARAM wParam, LPARAM lParam,
                         const Subclass::Link& link) {
    auto* bar = static_cast<Bar*>(link.data);
    const bool firstPanel = LOBYTE(wParam) == 0;
    switch (message) {
    case SB_SETTEXTW:
        if (!firstPanel || (wParam & SBT_OWNERDRAW))
            break;
        setText(*bar, reinterpret_cast<const wchar_t*>(lParam));
        return TRUE;
    case WM_SETTEXT:
        setText(*bar, reinterpret_cast<const wchar_t*>(lParam));
        return TRUE;
    case SB_GETTEXTW:
    case SB_GETTEXTLENGTHW:
    case SB_GETTEXTA:
    case SB_GETTEXTLENGTHA:
        if (!firstPanel)
            break;
        return copyPanelText(*bar, message == SB_GETTEXTW || message == SB_GETTEXTLENGTHW,
                             message == SB_GETTEXTW || message == SB_GETTEXTA ? lParam : 0);
    case WM_WINDOWPOSCHANGING: {
        // Wherever the layout puts the bar, it reaches down to the bottom of the client area, also when
        // the window keeps its size.
        auto& position = *reinterpret_cast<WINDOWPOS*>(lParam);
        RECT client{};
        if (!(position.flags & SWP_NOSIZE) && GetClientRect(bar->window, &client) &&
            client.bottom > position.y)
            position.cy = client.bottom - position.y;
        break;
    }
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(bar->text.size());
    case WM_GETTEXT: {
        if (wParam == 0)
            return 0;
        const std::size_t length = std::min<std::size_t>(bar->text.size(), wParam - 1);
        auto* out = reinterpret_cast<wchar_t*>(lParam);
        std::memcpy(out, bar->text.data(), length * sizeof(wchar_t));
        out[length] = L'\0';
        return static_cast<LRESULT>(length);
    }
    case WM_NCDESTROY:
        Subclass::release(bar->window, parentProc);
        delete bar;
        return Subclass::finish(handle, barProc, wParam, lParam);
    }
    return link.callNext(handle, message, wParam, lParam);
}

} // namespace

void StatusBar::attach(HWND handle, int lines) {
    int rightEdges[] = {-1}; // one panel over the whole bar
    SendMessageW(handle, SB_SETPARTS, 1, reinterpret_cast<LPARAM>(rightEdges));
    // The text it was made with, from now on drawn here.
    std::wstring text(LOWORD(SendMessageW(handle, SB_GETTEXTLENGTHW, 0, 0)) + 1u, L'\0');
    SendMessageW(handle, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text.data()));
    HWND window = GetParent(handle);
    auto* bar = new Bar{handle, window, lines, {}};
    Subclass::install(handle, barProc, bar);
    Subclass::install(window, parentProc, bar);
    SendMessageW(handle, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(text.c_str()));
}
