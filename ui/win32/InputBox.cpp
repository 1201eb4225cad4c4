#include "ui/win32/InputBox.h"

#include "core/InputCheck.h"
#include "platform/Utf16.h"
#include "ui/win32/Boxes.h"
#include "ui/win32/ControlTable.h"
#include "ui/win32/Subclass.h"

#include <string>

namespace {

// How many characters fit in place of the selection.
std::size_t room(HWND edit) {
    const std::wstring text = windowText(edit);
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return roomLeft(platform::toUtf8(text),
                    platform::toUtf8(std::wstring_view(text).substr(start, end - start)));
}

// Upper case by the rules of the user's locale, where the core says the key takes it.
std::wstring upperCaseTyped(const std::wstring& typed) {
    wchar_t upper[8];
    const int length =
        LCMapStringEx(LOCALE_NAME_USER_DEFAULT, LCMAP_UPPERCASE | LCMAP_LINGUISTIC_CASING, typed.c_str(),
                      static_cast<int>(typed.size()), upper, 8, nullptr, nullptr, 0);
    if (length <= 0)
        return typed;
    const std::string typedUtf8 = platform::toUtf8(typed);
    const std::string upperUtf8 =
        platform::toUtf8(std::wstring_view(upper, static_cast<std::size_t>(length)));
    return platform::toUtf16(std::string(typedCharacter(typedUtf8, upperUtf8)));
}

std::wstring clipboardText(HWND owner) {
    std::wstring text;
    if (!OpenClipboard(owner))
        return text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* locked = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = locked;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

void paste(HWND edit) {
    if (GetWindowLongPtrW(edit, GWL_STYLE) & ES_READONLY)
        return;
    const std::wstring pasted =
        platform::toUtf16(pastedText(platform::toUtf8(clipboardText(edit)), room(edit)));
    SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(pasted.c_str()));
}

LRESULT handle(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, const Subclass::Link& link);

LRESULT CALLBACK inputBoxProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    const Subclass::Link link = Subclass::find(edit, inputBoxProc);
    return guarded(edit, [&] { return handle(edit, message, wParam, lParam, link); });
}

LRESULT handle(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, const Subclass::Link& link) {
    // The first half of a surrogate pair waits here for its second.
    auto& highSurrogate = *static_cast<wchar_t*>(link.data);
    switch (message) {
    case WM_CHAR: {
        const auto unit = static_cast<wchar_t>(wParam);
        if (unit < L' ' || unit == 0x7F) // Backspace, Ctrl+V and the other control keys
            break;
        if (IS_HIGH_SURROGATE(unit)) {
            highSurrogate = unit;
            return 0;
        }
        std::wstring typed(1, unit);
        if (IS_LOW_SURROGATE(unit) && highSurrogate)
            typed.insert(typed.begin(), highSurrogate);
        highSurrogate = 0;
        if (room(edit) == 0) {
            MessageBeep(MB_OK);
            return 0;
        }
        for (const wchar_t upper : upperCaseTyped(typed))
            link.callNext(edit, WM_CHAR, upper, lParam);
        return 0;
    }
    case WM_KEYDOWN:
        // Shift+Insert would paste past WM_PASTE.
        if (wParam == VK_INSERT && GetKeyState(VK_SHIFT) < 0 && GetKeyState(VK_CONTROL) >= 0) {
            paste(edit);
            return 0;
        }
        break;
    case WM_PASTE:
        paste(edit);
        return 0;
    case WM_NCDESTROY:
        delete &highSurrogate;
        return Subclass::finish(edit, inputBoxProc, wParam, lParam);
    }
    return link.callNext(edit, message, wParam, lParam);
}

} // namespace

void InputBox::attach(HWND edit) {
    Subclass::install(edit, inputBoxProc, new wchar_t(0));
}
