#pragma once

#include <QApplication>
#include <QList>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

// Closes each message box as soon as it shows modally, with its OK button as a user would, and keeps
// what it showed. Lives for one test function.
class ModalBoxCloser {
public:
    struct Box {
        QString title;
        QString text;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
    };

    ModalBoxCloser() {
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] { closeBox(); });
        m_timer.start(10);
    }

    QList<Box> boxes;

private:
    void closeBox() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible())
            return;
        boxes.append({box->windowTitle(), box->text(), box->icon(), box->standardButtons()});
        if (QAbstractButton* ok = box->button(QMessageBox::Ok))
            ok->click();
        else
            box->reject();
    }

    QTimer m_timer;
};
