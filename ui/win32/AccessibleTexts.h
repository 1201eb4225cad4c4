#pragma once

#include "core/Layout.h"

#include <windows.h>

#include <functional>
#include <string>

// What a screen reader says of the controls of a table-built window: by default the table's names and
// descriptions; a window whose model knows more (the status) answers through its own lookup.
class AccessibleTexts {
public:
    using Lookup = std::function<std::string(const Control& control, bool description)>;

    void setLookup(Lookup lookup) { m_lookup = std::move(lookup); }
    std::string text(const Control& control, bool description) const;

private:
    Lookup m_lookup;
};

// The name or description of a control of a table-built window, or of the window itself, as the
// accessibility object hands it to a screen reader.
std::wstring accessibleText(HWND control, bool description);
