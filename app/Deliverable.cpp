#include "app/Deliverable.h"

#include <QGuiApplication>

namespace bazelot {

void describeApplication(const Deliverable& deliverable) {
    // The title goes into applicationName, not applicationDisplayName: Qt appends a display name to
    // every window's title bar, while an application name only stands in for a missing caption.
    QCoreApplication::setApplicationName(QString::fromUtf8(deliverable.applicationTitle));
    QCoreApplication::setApplicationVersion(QString::fromUtf8(deliverable.version));
    QCoreApplication::setOrganizationName(QString::fromUtf8(deliverable.companyName));
    QGuiApplication::setDesktopFileName(QString::fromUtf8(deliverable.desktopFileName));
}

} // namespace bazelot
