#pragma once

#include <windows.h>

// The main window's input box: an EDIT that holds at most kMaxInputCharacters characters, never part
// of one (a surrogate pair counts once), upper-cases the letters typed into it by the user's locale and
// inserts pasted text as it is, trimmed and cut by the core. ES_UPPERCASE and EM_LIMITTEXT cannot do
// this: they count UTF-16 units and upper-case pastes too.
namespace InputBox {

void attach(HWND edit);

} // namespace InputBox
