#include "ui/win32/DefaultButton.h"

#include "core/Focus.h"
#include "ui/win32/ControlTable.h"

LRESULT defaultButton(const ControlTable& table) {
    const WindowLayout& layout = table.layout();
    const Control* focused = table.focused();
    const Control* target = enterTarget(layout, focused ? focused->name : std::string_view());
    HWND chosen = target ? table.handle(target->name) : nullptr;
    for (std::size_t i = 0; i < layout.controls.size(); ++i) {
        if (layout.controls[i].kind == ControlKind::Button) {
            HWND button = table.handles()[i];
            SendMessageW(button, BM_SETSTYLE, button == chosen ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
        }
    }
    return chosen ? MAKELRESULT(GetDlgCtrlID(chosen), DC_HASDEFID) : 0;
}
