#pragma once

class QAction;
class QString;

// Gives a menu item the name a screen reader says. Qt names a menu item by its text without the access
// key's ampersand and offers no accessible name of its own, so the item is exposed through an
// accessible object of ours: Qt asks for one before it makes its own. Call it before the menu is shown.
void setSpokenName(QAction* action, const QString& name);
