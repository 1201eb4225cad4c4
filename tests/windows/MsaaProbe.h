#pragma once

// What a screen reader reads of a window through MSAA (oleacc), and the WinEvents it hears, from
// outside the program as a screen reader does.
#include "platform/Utf16.h"

#include <windows.h>

#include <oleacc.h>

#include <string>
#include <vector>

namespace msaa {

// Defined here: mingw's import library's symbol makes every query for it fail.
inline constexpr IID kIAccessible{
    0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

struct Object {
    bool found = false;
    std::string name;
    std::string description;
    std::string value;
    long role = 0;
    long state = 0;
};

inline std::string take(BSTR text) {
    std::string utf8 = text ? platform::toUtf8(std::wstring(text, SysStringLen(text))) : std::string();
    SysFreeString(text);
    return utf8;
}

inline Object read(IAccessible* accessible, VARIANT child) {
    Object object;
    object.found = true;
    BSTR text = nullptr;
    if (accessible->get_accName(child, &text) == S_OK)
        object.name = take(text);
    text = nullptr;
    if (accessible->get_accDescription(child, &text) == S_OK)
        object.description = take(text);
    text = nullptr;
    if (accessible->get_accValue(child, &text) == S_OK)
        object.value = take(text);
    VARIANT answer;
    VariantInit(&answer);
    if (accessible->get_accRole(child, &answer) == S_OK && answer.vt == VT_I4)
        object.role = answer.lVal;
    VariantClear(&answer);
    if (accessible->get_accState(child, &answer) == S_OK && answer.vt == VT_I4)
        object.state = answer.lVal;
    VariantClear(&answer);
    return object;
}

// A window's client object, as AccessibleObjectFromWindow gives it.
inline Object read(HWND window) {
    IAccessible* accessible = nullptr;
    if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), kIAccessible,
                                          reinterpret_cast<void**>(&accessible))))
        return {};
    VARIANT self;
    VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    Object object = read(accessible, self);
    accessible->Release();
    return object;
}

struct Event {
    DWORD event;
    HWND window;
    Object object; // as read when the event arrived
};

// Hears every object event of one process, out of context as a screen reader does; the events arrive
// while the thread pumps messages (pump()).
class Listener {
public:
    explicit Listener(DWORD processId) {
        s_current = this;
        m_hook =
            SetWinEventHook(EVENT_OBJECT_CREATE, 0x80FF, nullptr, heard, processId, 0, WINEVENT_OUTOFCONTEXT);
    }
    ~Listener() {
        UnhookWinEvent(m_hook);
        s_current = nullptr;
    }
    Listener(const Listener&) = delete;
    Listener& operator=(const Listener&) = delete;

    bool hooked() const { return m_hook != nullptr; }

    // Pumps messages until an event of that kind came from that window, or the patience ran out.
    const Event* waitFor(DWORD event, HWND window, DWORD patience = 5000) {
        for (DWORD waited = 0;; waited += 10) {
            for (const Event& heard : events) {
                if (heard.event == event && heard.window == window)
                    return &heard;
            }
            if (waited >= patience)
                return nullptr;
            MSG message;
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageW(&message);
            Sleep(10);
        }
    }

    std::vector<Event> events;

private:
    static void CALLBACK heard(HWINEVENTHOOK, DWORD event, HWND window, LONG objectId, LONG childId, DWORD,
                               DWORD) {
        if (!s_current || objectId != OBJID_CLIENT || childId != CHILDID_SELF)
            return;
        s_current->events.push_back({event, window, read(window)});
    }

    HWINEVENTHOOK m_hook = nullptr;
    static inline Listener* s_current = nullptr;
};

} // namespace msaa
