#include "platform/SystemLauncher.h"
#include "platform/SystemRegistry.h"
#include "ui/main/frmBazelot_rus.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    // Before the application, so that they outlive every window it may still delete on its way out.
    platform::SystemRegistry registry;
    platform::SystemLauncher launcher;

    QApplication app(argc, argv);
    // The caption of message boxes that give none of their own, and the application's display name.
    // Setting the display name explicitly would append it to every window title on X11.
    QApplication::setApplicationName(QStringLiteral("prjBazelot"));

    // Every run starts in Russian; nothing is consulted. The window deletes itself when closed.
    auto* window = new frmBazelot_rus({registry, launcher});
    window->show();
    return QApplication::exec();
}
