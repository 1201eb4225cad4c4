#include "ui/win32/StatusBar.h"

#include <commctrl.h>

#include <string>

namespace {

constexpr UINT_PTR kSubclassId = 1;

void paint(HWND bar) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(bar, &paint);
    RECT client;
    GetClientRect(bar, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));

    const auto length = LOWORD(SendMessageW(bar, SB_GETTEXTLENGTHW, 0, 0));
    std::wstring text(length + 1u, L'\0');
    SendMessageW(bar, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text.data()));
    text.resize(length);

    auto* font = reinterpret_cast<HFONT>(SendMessageW(bar, WM_GETFONT, 0, 0));
    HGDIOBJ oldFont = SelectObject(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    // A small indent, and the text's lines centred in the bar's height.
    RECT area{client.left + 3, client.top, client.right - 2, client.bottom};
    RECT measured = area;
    const UINT format = DT_WORDBREAK | DT_NOPREFIX | DT_END_ELLIPSIS | DT_EDITCONTROL;
    const int height = DrawTextW(dc, text.c_str(), -1, &measured, format | DT_CALCRECT);
    if (height < area.bottom - area.top)
        area.top += (area.bottom - area.top - height) / 2;
    DrawTextW(dc, text.c_str(), -1, &area, format);
    SelectObject(dc, oldFont);
    EndPaint(bar, &paint);
}

LRESULT CALLBACK statusBarProc(HWND bar, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    switch (message) {
    case WM_PAINT:
        paint(bar);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case SB_SETTEXTW: {
        const LRESULT result = DefSubclassProc(bar, message, wParam, lParam);
        InvalidateRect(bar, nullptr, TRUE);
        return result;
    }
    case WM_NCDESTROY:
        RemoveWindowSubclass(bar, statusBarProc, kSubclassId);
        break;
    }
    return DefSubclassProc(bar, message, wParam, lParam);
}

} // namespace

void StatusBar::attach(HWND bar) {
    int rightEdges[] = {-1}; // one panel over the whole bar
    SendMessageW(bar, SB_SETPARTS, 1, reinterpret_cast<LPARAM>(rightEdges));
    SetWindowSubclass(bar, statusBarProc, kSubclassId, 0);
}
