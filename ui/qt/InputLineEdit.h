#pragma once

#include <QLineEdit>

// The input box: every way in (a key, a paste from the keyboard, the context menu or the middle button,
// a drop) inserts what the core's rules answer for it. It holds at most the core's number of characters,
// counted in characters, so that none is ever split.
class InputLineEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit InputLineEdit(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // A character composed through an input method (a dead key, a compose sequence) is typed too.
    void inputMethodEvent(QInputMethodEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void insertPasted(const QString& clipboard);
    std::size_t room() const;
};
