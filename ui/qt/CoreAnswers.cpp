#include "ui/qt/CoreAnswers.h"

#include <QApplication>
#include <QFontDatabase>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <QWindow>

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

namespace {

// A compositor that maximizes waits for the window to take the size it gives and may not hear an undo
// before it has seen that size, so a maximize is let through and undone as soon as it is done.
class NeverMaximized final : public QObject {
public:
    explicit NeverMaximized(QWidget* window)
        : QObject(window)
        , m_window(window) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show && !m_watching && m_window->windowHandle()) {
            // Asked to maximize: the window may take the compositor's size for the moment.
            QWindow* handle = m_window->windowHandle();
            connect(handle, &QWindow::windowStateChanged, this, [this, handle] {
                if (handle->windowStates() & Qt::WindowMaximized)
                    m_window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
            });
            m_watching = true;
        } else if (event->type() == QEvent::WindowStateChange && m_window->isMaximized()) {
            QTimer::singleShot(0, m_window, [window = m_window] {
                window->setWindowState(window->windowState() & ~Qt::WindowMaximized);
            });
        } else if (event->type() == QEvent::Resize && !m_window->isMaximized() &&
                   m_window->size() == m_window->minimumSize()) {
            // Back at its own size, which the compositor has agreed to: fixed again. Sooner, the window
            // would shrink before the compositor has undone the maximize.
            m_window->setMaximumSize(m_window->minimumSize());
        }
        return false;
    }

private:
    QWidget* m_window;
    bool m_watching = false;
};

} // namespace

void keepFixedSize(QWidget* window) {
    new NeverMaximized(window);
}

void followFocus(QWidget* window, FocusKeeper& keeper) {
    QObject::connect(qApp, &QApplication::focusChanged, window, [window, &keeper](QWidget*, QWidget* now) {
        if (now && window->isAncestorOf(now))
            keeper.focused(now->objectName().toStdString());
    });
}
