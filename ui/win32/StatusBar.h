#pragma once

#include <windows.h>

// The main window's status bar: one panel, framed by the control itself, whose text wraps onto as many
// lines as its row in the layout gives it (`lines`). The bar is as tall as that many lines of its font
// need, with a margin inside the panel's edge; where its box in the layout is lower, the bar keeps its
// top and the window's client area grows below. The text is drawn here (the panel is owner-drawn) but
// reads back as the bar's own: SB_GETTEXTW, SB_GETTEXTLENGTHW and WM_GETTEXT answer it.
namespace StatusBar {

void attach(HWND bar, int lines);

} // namespace StatusBar
