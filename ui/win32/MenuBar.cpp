#include "ui/win32/MenuBar.h"

#include "platform/Utf16.h"
#include "ui/win32/ControlTable.h"

#include <string>
#include <vector>

HMENU menuBar(const WindowLayout& layout) {
    if (layout.menu.empty())
        return nullptr;
    HMENU bar = CreateMenu();
    const std::vector<MenuItem>& items = layout.menu;
    std::vector<HMENU> menus(items.size(), nullptr);
    for (std::size_t i = 0; i < items.size(); ++i) {
        HMENU parent = bar;
        for (std::size_t j = 0; j < i; ++j) {
            if (items[j].name == items[i].parent)
                parent = menus[j];
        }
        const std::wstring text = platform::toUtf16(items[i].text);
        if (items[i].command == MenuCommand::None) {
            menus[i] = CreatePopupMenu();
            AppendMenuW(parent, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(menus[i]), text.c_str());
        } else {
            AppendMenuW(parent, MF_STRING, ControlTable::kFirstMenuId + i, text.c_str());
        }
    }
    return bar;
}

MenuCommand menuCommand(const WindowLayout& layout, WPARAM id) {
    const std::size_t place = LOWORD(id) - ControlTable::kFirstMenuId;
    return LOWORD(id) >= ControlTable::kFirstMenuId && place < layout.menu.size() ? layout.menu[place].command
                                                                                  : MenuCommand::None;
}

UINT menuItemId(const WindowLayout& layout, std::string_view name) {
    for (std::size_t i = 0; i < layout.menu.size(); ++i) {
        if (layout.menu[i].name == name)
            return static_cast<UINT>(ControlTable::kFirstMenuId + i);
    }
    return 0;
}

UINT findMenuItem(HWND window, std::string_view name) {
    const ControlTable* table = ControlTable::of(window);
    return table ? menuItemId(table->layout(), name) : 0;
}
