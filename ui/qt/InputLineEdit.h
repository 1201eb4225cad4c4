#pragma once

#include <QLineEdit>

// The input box: each typed character becomes its upper case before it is inserted, so that
// hexadecimal digits typed in lower case arrive as capitals; pasted text is left as it is, but loses
// blanks and line breaks at its two ends. It holds at most the core's number of characters, counted
// in characters, so that none is ever split.
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

private:
    void insertPasted(const QString& clipboard);
    std::size_t room() const;
};
