#pragma once

#include "core/Focus.h"
#include "core/Layout.h"
#include "core/Message.h"

#include <QString>

#include <string_view>

class QWidget;

// How the Qt views turn the core's answers into Qt calls; what to show comes from the core.
QString qText(std::string_view utf8);

// The window's font from its table: its face where the system has it, its size or the system's.
void applyFont(QWidget* window, const Font& font);
// A label's or line's colour: the palette's own role for a named system colour, the red, green and
// blue the table gives otherwise. A line is filled with it, a label writes in it.
void applyColour(QWidget* widget, const Colour& colour, bool fill);
// A box the core asked for, modal to parent; returns when the user closed it.
void showMessage(QWidget* parent, const Message& message);
// Gives the focus to the window's control of that name, if there is one.
void focusControl(QWidget* window, std::string_view name);
// A window of fixed size does not stay maximized. Some title bars offer it all the same (Qt's own on
// Wayland), and a compositor told to maximize ends a client whose window keeps its own size (weston: a
// protocol error); so the window takes the size for a moment and is then put back.
void keepFixedSize(QWidget* window);
// Reports to keeper every control of the window that takes the focus, while the window lives.
void followFocus(QWidget* window, FocusKeeper& keeper);
