#include "ui/main/frmBazelot_rus.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The caption of message boxes that give none of their own, and the application's display name.
    // Setting the display name explicitly would append it to every window title on X11.
    QApplication::setApplicationName(QStringLiteral("prjBazelot"));

    // Every run starts in Russian; nothing is consulted. The window deletes itself when closed.
    auto* window = new frmBazelot_rus;
    window->show();
    return QApplication::exec();
}
