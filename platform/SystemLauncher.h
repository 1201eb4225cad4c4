#pragma once

#include "platform/Launcher.h"

namespace platform {

// The file test and program start of Windows, through the W functions: paths are converted from UTF-8
// at this edge. Other systems' launchers belong to their front-ends.
class SystemLauncher final : public Launcher {
public:
    bool isOrdinaryFile(const std::string& path) override;
    std::string findProgram(const std::string& name) override;
    bool startProgram(const std::string& path, const std::vector<std::string>& arguments) override;
};

} // namespace platform
