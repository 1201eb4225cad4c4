#pragma once

#include "core/Layout.h"

#include <string_view>

// Where the keyboard focus goes in a window built from a layout table. The view reports every control
// that takes the focus and moves it where these answers say.
class FocusKeeper {
public:
    explicit FocusKeeper(const WindowLayout& layout);

    // The control first in the tab order: the focus when the window opens.
    std::string_view first() const;
    // A control of the table took the focus; anything else (the menu bar, a box) is not remembered.
    void focused(std::string_view name);
    // The control that had the focus last: it gets it back when a box or a modal dialog closes and
    // when the window is activated again.
    std::string_view last() const { return m_last; }

private:
    const WindowLayout& m_layout;
    std::string_view m_last;
};

// What Enter presses: the focused button, otherwise the window's default button (OK), otherwise nothing.
const Control* enterTarget(const WindowLayout& layout, std::string_view focused);
