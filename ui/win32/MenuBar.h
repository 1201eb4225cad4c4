#pragma once

#include "core/Layout.h"

#include <windows.h>

#include <string_view>

// A window's menu bar, built from its layout's menu table (null for none); each item's command ID is
// ControlTable::kFirstMenuId plus its place in that table.
HMENU menuBar(const WindowLayout& layout);
// The command of a menu item's ID; None for any other ID.
MenuCommand menuCommand(const WindowLayout& layout, WPARAM id);
// The command ID of the layout's menu item of that name; 0 if none.
UINT menuItemId(const WindowLayout& layout, std::string_view name);
// The command ID of a menu item of a top-level window built by a ControlTable, by its name; 0 if none.
UINT findMenuItem(HWND window, std::string_view name);
