#pragma once

#include <windows.h>

class ControlTable;

// DM_GETDEFID: the button that Enter presses, as the core answers for the focused control. Redraws the
// buttons to show which one that is.
LRESULT defaultButton(const ControlTable& table);
