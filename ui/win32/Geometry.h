#pragma once

#include "core/Layout.h"

#include <windows.h>

// Layouts are given in twips; nothing in Win32 scales for us, so every pixel is twips × the window's
// DPI / 1440 (15 twips a pixel at 96 DPI, where the Qt build puts every box).
int windowDpi(HWND window);

inline int twipsToPixels(int twips, int dpi) {
    return MulDiv(twips, dpi, 1440);
}

// Converts both edges and subtracts, so that neighbours never drift apart by rounding.
RECT twipsRect(const TwipsBox& box, int dpi);

// The window's outer size for a client area of this many twips below its menu bar, if it has one.
SIZE windowSizeForClient(HWND window, int clientWidth, int clientHeight, int dpi);
