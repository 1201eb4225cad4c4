#include "ui/qt/CoreAnswers.h"

#include <QApplication>
#include <QFontDatabase>
#include <QMessageBox>
#include <QWidget>

QString qText(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

void applyFont(QWidget* window, const Font& font) {
    QFont windowFont = window->font();
    if (!font.face.empty() && QFontDatabase::hasFamily(qText(font.face)))
        windowFont.setFamily(qText(font.face));
    if (font.pointSize > 0)
        windowFont.setPointSize(font.pointSize);
    window->setFont(windowFont);
}

void applyColour(QWidget* widget, const Colour& colour, bool fill) {
    const QPalette::ColorRole target = fill ? QPalette::Window : QPalette::WindowText;
    switch (colour.system) {
    case SystemColour::WindowText:
        return; // the palette's own
    case SystemColour::Highlight:
        widget->setForegroundRole(QPalette::Highlight);
        return;
    case SystemColour::Desktop: // Qt knows no desktop colour
    case SystemColour::None:
        break;
    }
    QPalette palette = widget->palette();
    palette.setColor(target, QColor(colour.red, colour.green, colour.blue));
    widget->setPalette(palette);
    widget->setAutoFillBackground(fill);
}

void showMessage(QWidget* parent, const Message& message) {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    switch (message.icon) {
    case MessageIcon::None:
        break;
    case MessageIcon::Warning:
        icon = QMessageBox::Warning;
        break;
    case MessageIcon::Error:
        icon = QMessageBox::Critical;
        break;
    }
    QString text = qText(message.text);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(icon, qText(message.title), text, QMessageBox::Ok, parent);
    box.exec();
}

void focusControl(QWidget* window, std::string_view name) {
    if (auto* control = window->findChild<QWidget*>(qText(name)))
        control->setFocus(Qt::OtherFocusReason);
}

void followFocus(QWidget* window, FocusKeeper& keeper) {
    QObject::connect(qApp, &QApplication::focusChanged, window, [window, &keeper](QWidget*, QWidget* now) {
        if (now && window->isAncestorOf(now))
            keeper.focused(now->objectName().toStdString());
    });
}
