#pragma once

#include <QLineEdit>

// A line edit that turns each typed character into its upper case before inserting it, so that
// hexadecimal digits typed in lower case arrive as capitals. Pasted text is left as it is.
class UpperCaseLineEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit UpperCaseLineEdit(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // A character composed through an input method (a dead key, a compose sequence) is typed too.
    void inputMethodEvent(QInputMethodEvent* event) override;
};
