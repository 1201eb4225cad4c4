#include "ui/qt/Announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QStatusBar>

namespace {

// Qt has no widget of the notification role; this gives the Announcer that role.
QAccessibleInterface* notification(const QString& className, QObject* object) {
    if (className == QLatin1String(Announcer::staticMetaObject.className()) && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    return nullptr;
}

} // namespace

Announcer::Announcer(QStatusBar* bar)
    : QWidget(bar)
    , m_text(new QLabel(this)) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(notification);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setObjectName(QStringLiteral("announcer"));
    m_text->setTextFormat(Qt::PlainText);
    // Not one of the bar's items, so outside its layout; never shown.
    setGeometry(0, 0, 0, 0);
    hide();
}

void Announcer::say(const QString& text) {
    m_text->setText(text);
    // Sent for every text, the same one again too: each is news.
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

QString Announcer::text() const {
    return m_text->text();
}
