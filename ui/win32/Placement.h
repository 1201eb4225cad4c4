#pragma once

#include "core/Layout.h"

#include <windows.h>

#include <map>

class ControlTable;

// The fonts and places of a table's controls, and the window's size, for the window's DPI.
class Placement {
public:
    Placement(const ControlTable& table, int dpi)
        : m_table(table)
        , m_fontDpi(dpi) {}
    ~Placement();
    Placement(const Placement&) = delete;
    Placement& operator=(const Placement&) = delete;

    // A control's box on the window and its font, at the DPI the window was built or last placed for.
    RECT controlRect(const Control& control) const;
    HFONT font(int pointSize);
    // The window's size for its client area at that DPI, at topLeft when given.
    void sizeWindow(const POINT* topLeft = nullptr);
    // Places every control, gives it its font and sizes the window for this DPI: after the window moved
    // to a screen of another DPI, or to `topLeft`.
    void place(int dpi, const POINT* topLeft = nullptr);

private:
    using Fonts = std::map<int, HFONT>; // by the point size asked for, 0 for the window's

    static void deleteFonts(Fonts& fonts);

    const ControlTable& m_table;
    Fonts m_fonts; // for m_fontDpi
    int m_fontDpi;
};
