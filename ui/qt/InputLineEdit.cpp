#include "ui/qt/InputLineEdit.h"

#include "core/InputCheck.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLocale>
#include <QMenu>
#include <QValidator>

namespace {

std::size_t characters(const QString& text) {
    return characterCount(text.toStdString());
}

// Upper case by the rules of the user's locale, where the core says the key takes it.
QString upperCaseTyped(const QString& typed) {
    const std::string upper = QLocale().toUpper(typed).toStdString();
    return QString::fromStdString(std::string(typedCharacter(typed.toStdString(), upper)));
}

// Refuses any edit that would leave more characters than the box holds. QLineEdit's own limit
// counts UTF-16 units and would cut a character outside the basic plane in half.
class CharacterLimit final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        return characters(input) <= kMaxInputCharacters ? Acceptable : Invalid;
    }
};

} // namespace

InputLineEdit::InputLineEdit(QWidget* parent)
    : QLineEdit(parent) {
    setValidator(new CharacterLimit(this));
}

std::size_t InputLineEdit::room() const {
    return roomLeft(text().toStdString(), selectedText().toStdString());
}

void InputLineEdit::insertPasted(const QString& clipboard) {
    if (isReadOnly())
        return;
    insert(QString::fromStdString(pastedText(clipboard.toStdString(), room())));
}

void InputLineEdit::keyPressEvent(QKeyEvent* event) {
    if (event == QKeySequence::Paste) {
        insertPasted(QGuiApplication::clipboard()->text());
        event->accept();
        return;
    }
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

void InputLineEdit::inputMethodEvent(QInputMethodEvent* event) {
    const QString upper = upperCaseTyped(event->commitString());
    if (upper != event->commitString())
        event->setCommitString(upper, event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(event);
}

void InputLineEdit::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (QAction* paste = menu->findChild<QAction*>(QStringLiteral("edit-paste"))) {
        disconnect(paste, &QAction::triggered, nullptr, nullptr);
        connect(paste, &QAction::triggered, this,
                [this] { insertPasted(QGuiApplication::clipboard()->text()); });
    }
    menu->popup(event->globalPos());
}

void InputLineEdit::mouseReleaseEvent(QMouseEvent* event) {
    // The middle button pastes the selection where the system has one (X11).
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (event->button() == Qt::MiddleButton && clipboard->supportsSelection()) {
        deselect();
        setCursorPosition(cursorPositionAt(event->position().toPoint()));
        insertPasted(clipboard->text(QClipboard::Selection));
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}
