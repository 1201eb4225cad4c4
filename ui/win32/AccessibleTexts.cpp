#include "ui/win32/AccessibleTexts.h"

#include "platform/Utf16.h"
#include "ui/win32/ControlTable.h"

std::string AccessibleTexts::text(const Control& control, bool description) const {
    if (m_lookup)
        return m_lookup(control, description);
    return description ? std::string(control.accessibleDescription) : spokenName(control);
}

std::wstring accessibleText(HWND control, bool description) {
    HWND window = GetAncestor(control, GA_ROOT);
    const ControlTable* table = ControlTable::of(window);
    if (!table)
        return {};
    if (control == window)
        return description ? std::wstring() : platform::toUtf16(table->layout().accessibleName);
    const Control* entry = table->control(static_cast<WPARAM>(GetDlgCtrlID(control)));
    return entry ? platform::toUtf16(table->accessibleTexts().text(*entry, description)) : std::wstring();
}
