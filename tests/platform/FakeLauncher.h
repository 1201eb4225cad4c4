#pragma once

#include "platform/Launcher.h"

#include <algorithm>
#include <map>
#include <string>
#include <vector>

// Records every file test, search and program start instead of touching the system.
class FakeLauncher final : public platform::Launcher {
public:
    std::vector<std::string> files;            // where the file test finds an ordinary file
    std::map<std::string, std::string> onPath; // program name to its full path
    bool startSucceeds = true;                 // whether a program with a non-empty path starts

    struct Start {
        std::string path;
        std::vector<std::string> arguments;
        bool operator==(const Start&) const = default;
    };
    std::vector<std::string> fileTests;
    std::vector<Start> started;

    bool isOrdinaryFile(const std::string& path) override {
        fileTests.push_back(path);
        return std::find(files.begin(), files.end(), path) != files.end();
    }

    std::string findProgram(const std::string& name) override {
        const auto found = onPath.find(name);
        return found == onPath.end() ? std::string() : found->second;
    }

    bool startProgram(const std::string& path, const std::vector<std::string>& arguments) override {
        started.push_back({path, arguments});
        return !path.empty() && startSucceeds;
    }
};
