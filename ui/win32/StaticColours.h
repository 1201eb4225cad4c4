#pragma once

#include <windows.h>

class ControlTable;

// WM_CTLCOLORSTATIC: sets the text colour of a label of the table on `dc` and returns the brush for its
// background, or for a line the brush that fills it; null where the system's colours are meant.
HBRUSH staticBrush(const ControlTable& table, HDC dc, HWND child);
