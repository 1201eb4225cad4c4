#include "platform/SystemLauncher.h"

#include <QFileInfo>
#include <QProcess>

namespace platform {

bool SystemLauncher::isOrdinaryFile(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() && !info.isHidden();
}

bool SystemLauncher::startProgram(const QString& path) {
    return !path.isEmpty() && QProcess::startDetached(path, {});
}

} // namespace platform
