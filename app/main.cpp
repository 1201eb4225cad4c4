#include "app/Deliverable.h"
#include "platform/SystemRegistry.h"
#include "ui/qt/QtLauncher.h"
#include "ui/qt/frmBazelot_rus.h"

#include <QApplication>
#include <QDirIterator>
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
    // dialogs and the message boxes they own.
    QIcon icon;
    for (QDirIterator it(":/icons", {"*.png"}, QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
        icon.addFile(it.next());
    QApplication::setWindowIcon(icon);

    // Every run starts in Russian; nothing is consulted. The window deletes itself when closed.
    auto* window = new frmBazelot_rus({registry, launcher});
    window->show();
    return QApplication::exec();
}
