#pragma once

#include <QWidget>

class QLabel;
class QStatusBar;

// Says a text to a screen reader where the user is, moving no focus and showing nothing. Qt 6.4 has no
// event that carries a text of its own; what Orca speaks from an unfocused object is a notification
// that appears, and inside a status bar it speaks just the notification's text. So this hidden
// notification in the status bar holds the text in a label and reports itself shown once a text.
class Announcer : public QWidget {
    Q_OBJECT

public:
    explicit Announcer(QStatusBar* bar);

    void say(const QString& text);
    QString text() const;

private:
    QLabel* m_text;
};
