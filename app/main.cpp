#include "app/Deliverable.h"
#include "platform/SystemRegistry.h"
#include "ui/qt/QtLauncher.h"
#include "ui/qt/frmBazelot_rus.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[]) {
    // Before the application, so that they outlive every window it may still delete on its way out.
    platform::SystemRegistry registry;
    QtLauncher launcher;

    QApplication app(argc, argv);
    // Names and version of this build; its application name is the caption of message boxes that give
    // none of their own ("prjBazelot" in both builds).
    bazelot::describeApplication(bazelot::thisDeliverable);
    // Every window without an icon of its own shows the application's: both main windows, the About
    // dialogs and the message boxes they own. Title bars and task switchers draw it at 64 pixels at
    // most; every size handed in is decoded at start-up, and the larger ones would double it. Launchers
    // take the large sizes from the icon theme.
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48, 64})
        icon.addFile(QStringLiteral(":/icons/%1x%1/bazelot.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);

    // Every run starts in Russian; nothing is consulted. The window deletes itself when closed.
    auto* window = new frmBazelot_rus({registry, launcher});
    // Desktops group a window under the launcher whose StartupWMClass is the window's class, which Qt
    // names on X11 after the application name when the first window is made, once for all. That window
    // is made under the desktop entry's name; message boxes without a caption then show the title again.
    QCoreApplication::setApplicationName(QString::fromUtf8(bazelot::thisDeliverable.desktopFileName));
    window->winId();
    QCoreApplication::setApplicationName(QString::fromUtf8(bazelot::thisDeliverable.applicationTitle));
    window->show();
    return QApplication::exec();
}
