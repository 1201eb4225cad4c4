#pragma once

#include "platform/Launcher.h"

namespace platform {

// The file test and program start of the running system, through Qt.
class SystemLauncher final : public Launcher {
public:
    bool isOrdinaryFile(const QString& path) override;
    bool startProgram(const QString& path) override;
};

} // namespace platform
