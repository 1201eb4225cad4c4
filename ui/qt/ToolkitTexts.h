#pragma once

#include "core/Language.h"

#include <QTranslator>

// Qt's own texts (an edit box's context menu, a message box's buttons) in a window's language, for as
// long as the window lives. One main window is open at a time and a switch deletes the old one, so
// these texts switch with the window.
class ToolkitTexts {
public:
    explicit ToolkitTexts(Language language);

private:
    QTranslator m_translator; // leaves the application when destroyed
};
