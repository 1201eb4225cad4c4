#include "ui/win32/StaticColours.h"

#include "ui/win32/ControlTable.h"

namespace {

COLORREF colourRef(const Colour& colour) {
    switch (colour.system) {
    case SystemColour::WindowText:
        return GetSysColor(COLOR_WINDOWTEXT);
    case SystemColour::Desktop:
        return GetSysColor(COLOR_DESKTOP);
    case SystemColour::Highlight:
        return GetSysColor(COLOR_HIGHLIGHT);
    case SystemColour::None:
        break;
    }
    return static_cast<COLORREF>(colour.red | colour.green << 8 | colour.blue << 16);
}

} // namespace

HBRUSH staticBrush(const ControlTable& table, HDC dc, HWND child) {
    const Control* control = table.control(static_cast<WPARAM>(GetDlgCtrlID(child)));
    if (!control ||
        (control->kind != ControlKind::Line && control->colour.system == SystemColour::WindowText))
        return nullptr;
    if (control->kind == ControlKind::Line) {
        // A line is a static without text, filled with the brush returned here.
        SetDCBrushColor(dc, colourRef(control->colour));
        return static_cast<HBRUSH>(GetStockObject(DC_BRUSH));
    }
    SetTextColor(dc, colourRef(control->colour));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return GetSysColorBrush(COLOR_BTNFACE);
}
