#include "ui/qt/QtLauncher.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

bool QtLauncher::isOrdinaryFile(const std::string& path) {
    const QFileInfo info(QString::fromStdString(path));
    return info.isFile() && !info.isHidden();
}

std::string QtLauncher::findProgram(const std::string& name) {
    return QStandardPaths::findExecutable(QString::fromStdString(name)).toStdString();
}

bool QtLauncher::startProgram(const std::string& path, const std::vector<std::string>& arguments) {
    QStringList qtArguments;
    for (const std::string& argument : arguments)
        qtArguments << QString::fromStdString(argument);
    return !path.empty() && QProcess::startDetached(QString::fromStdString(path), qtArguments);
}
