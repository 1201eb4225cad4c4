#pragma once

#include "core/Layout.h"

#include <windows.h>

#include <string>
#include <string_view>

struct IRawElementProviderSimple;

// What a screen reader is told of the controls of a table-built window, by the documented Win32 means
// (MSAA, which UI Automation's proxy reads too). Each control keeps the system's accessible object for
// its role, state and value; only its name and description come from the core, in the window's
// language, asked again every time a client reads them.
namespace Accessible {

// Where the words for one control come from: its name or its description.
using TextLookup = std::wstring (*)(HWND control, bool description);

// Answers WM_GETOBJECT for the control's client object with the system's object under the name and
// description that `texts` gives.
void attach(HWND control, TextLookup texts);

// UI Automation's functions that raise a notification: the system's, looked up in uiautomationcore.dll
// the first time there is news (Wine 8 and Windows before 10 version 1709 lack the second), or stand-ins
// that a test hands in. The enumerations are passed as their values.
struct Notifier {
    HRESULT(WINAPI* hostProviderFromHwnd)(HWND window, IRawElementProviderSimple** provider) = nullptr;
    HRESULT(WINAPI* raiseNotificationEvent)
    (IRawElementProviderSimple* provider, int kind, int processing, BSTR words, BSTR activityId) = nullptr;

    static const Notifier& system();
};

// Tells screen readers the core's news about a control (the status bar or the result box), wherever the
// focus is: a UI Automation notification from the window with the words to speak, where the system has
// one (null: the system's), and the MSAA events of the control that changed.
void announce(HWND window, HWND control, ControlRole about, std::string_view words,
              const Notifier* notifier = nullptr);

// COM on the windows' thread, entered when a screen reader first asks for an object or news needs it,
// so that a program that nobody reads starts without it, and left when this goes.
class Apartment {
public:
    Apartment() = default;
    ~Apartment();
    Apartment(const Apartment&) = delete;
    Apartment& operator=(const Apartment&) = delete;
};

} // namespace Accessible
