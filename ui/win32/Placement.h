#pragma once

#include <windows.h>

#include <map>

class ControlTable;

// The fonts and places of a table's controls, and the window's size, for the window's DPI.
class Placement {
public:
    explicit Placement(const ControlTable& table)
        : m_table(table) {}
    ~Placement();
    Placement(const Placement&) = delete;
    Placement& operator=(const Placement&) = delete;

    // Places every control, gives it its font and sizes the window's client area for this DPI: once
    // built, and after the window moved to a screen of another DPI (then to `topLeft`).
    void place(int dpi, const POINT* topLeft = nullptr);

private:
    using Fonts = std::map<int, HFONT>; // by point size

    HFONT font(int pointSize);
    static void deleteFonts(Fonts& fonts);

    const ControlTable& m_table;
    Fonts m_fonts; // for m_fontDpi
    int m_fontDpi = 0;
};
