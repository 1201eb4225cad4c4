#pragma once

#include <windows.h>

// The main window's status bar: one panel whose text wraps onto a second line where one line is too
// short, as the longer Russian messages need at the table's width. The text stays the bar's own
// (SB_SETTEXTW, SB_GETTEXTW); only the painting is done here.
namespace StatusBar {

void attach(HWND bar);

} // namespace StatusBar
