#include "ui/qt/InputLineEdit.h"

#include "core/InputCheck.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLocale>
#include <QMenu>
#include <QMimeData>
#include <QValidator>

namespace {

std::size_t characters(const QString& text) {
    return characterCount(text.toStdString());
}

// What a key inserts: upper case by the rules of the user's locale, where the core says the key takes
// it. X11 reports AltGr as a group switch, not as Alt, so the characters it types still go in.
QString typedText(const QString& typed, Qt::KeyboardModifiers modifiers = {}) {
    const std::string upper = QLocale().toUpper(typed).toStdString();
    const HeldModifiers held{modifiers.testFlag(Qt::ControlModifier), modifiers.testFlag(Qt::AltModifier)};
    return QString::fromStdString(std::string(typedCharacter(typed.toStdString(), upper, held)));
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
    // A key that inserts nothing still reaches the box's own commands (Ctrl+A, Ctrl+Z ...).
    const QString typed = typedText(event->text(), event->modifiers());
    if (typed == event->text()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    QKeyEvent converted(event->type(), event->key(), event->modifiers(), event->nativeScanCode(),
                        event->nativeVirtualKey(), event->nativeModifiers(), typed, event->isAutoRepeat(),
                        event->count(), event->device());
    QLineEdit::keyPressEvent(&converted);
    event->setAccepted(converted.isAccepted());
}

void InputLineEdit::inputMethodEvent(QInputMethodEvent* event) {
    const QString upper = typedText(event->commitString());
    if (upper != event->commitString())
        event->setCommitString(upper, event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(event);
}

void InputLineEdit::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // Its Paste is found by the slot it calls: Qt 6.4 gives the action no name, and its text is
    // translated. Qt 6.4 wires it by signature, later versions by member pointer.
    for (QAction* action : menu->actions()) {
        if (disconnect(action, SIGNAL(triggered()), this, SLOT(paste())) ||
            disconnect(action, &QAction::triggered, this, &QLineEdit::paste)) {
            connect(action, &QAction::triggered, this,
                    [this] { insertPasted(QGuiApplication::clipboard()->text()); });
        }
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

void InputLineEdit::dropEvent(QDropEvent* event) {
    if (isReadOnly() || !event->mimeData()->hasText()) {
        QLineEdit::dropEvent(event);
        return;
    }
    // QLineEdit inserts a drop at the drop point and replaces no selection.
    const DroppedText dropped =
        droppedText(event->mimeData()->text().toStdString(), roomLeft(text().toStdString(), {}));
    QMimeData ruled;
    ruled.setText(QString::fromStdString(dropped.text));
    // A drop that leaves some of the text out may copy it but not move it: the source would delete
    // what the box left out.
    const Qt::DropActions actions =
        dropped.whole ? event->possibleActions() : event->possibleActions() & Qt::CopyAction;
    QDropEvent drop(event->position(), actions, &ruled, event->buttons(), event->modifiers());
    QLineEdit::dropEvent(&drop);
    event->setDropAction(drop.dropAction());
    event->setAccepted(drop.isAccepted());
}
