#pragma once

#include "platform/Launcher.h"

// The file test, the search path and the program start of the running system, through Qt.
class QtLauncher final : public platform::Launcher {
public:
    bool isOrdinaryFile(const std::string& path) override;
    std::string findProgram(const std::string& name) override;
    bool startProgram(const std::string& path, const std::vector<std::string>& arguments) override;
};
