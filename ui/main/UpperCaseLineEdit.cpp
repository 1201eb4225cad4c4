#include "ui/main/UpperCaseLineEdit.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLocale>

namespace {

int characterCount(const QString& text) {
    return static_cast<int>(text.toUcs4().size());
}

// Upper case by the rules of the user's locale. A character whose upper case is more than one
// character (German ß gives SS) is kept as typed: one key inserts one character.
QString upperCaseTyped(const QString& typed) {
    if (characterCount(typed) != 1)
        return typed;
    const QString upper = QLocale().toUpper(typed);
    return characterCount(upper) == 1 ? upper : typed;
}

} // namespace

UpperCaseLineEdit::UpperCaseLineEdit(QWidget* parent)
    : QLineEdit(parent) {}

void UpperCaseLineEdit::keyPressEvent(QKeyEvent* event) {
    const QString upper = upperCaseTyped(event->text());
    if (upper == event->text()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    QKeyEvent converted(event->type(), event->key(), event->modifiers(), event->nativeScanCode(),
                        event->nativeVirtualKey(), event->nativeModifiers(), upper, event->isAutoRepeat(),
                        event->count(), event->device());
    QLineEdit::keyPressEvent(&converted);
    event->setAccepted(converted.isAccepted());
}

void UpperCaseLineEdit::inputMethodEvent(QInputMethodEvent* event) {
    const QString upper = upperCaseTyped(event->commitString());
    if (upper != event->commitString())
        event->setCommitString(upper, event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(event);
}
