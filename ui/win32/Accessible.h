#pragma once

#include <windows.h>

#include <string>

// What a screen reader is told of the controls of a table-built window, by the documented Win32 means
// (MSAA, which UI Automation's proxy reads too). Each control keeps the system's accessible object for
// its role, state and value; only its name and description come from the core, in the window's
// language, asked again every time a client reads them.
namespace Accessible {

// The words for one control: its name or its description.
using Speech = std::wstring (*)(HWND control, bool description);

// Answers WM_GETOBJECT for the control's client object with the system's object under the name and
// description that speech gives.
void attach(HWND control, Speech speech);

// Tells clients that the control's name, description or value changed. A live region also asks them to
// speak its new name without the focus going there.
enum class Change { Name, Description, Value, LiveRegion };
void notify(HWND control, Change change);

} // namespace Accessible
