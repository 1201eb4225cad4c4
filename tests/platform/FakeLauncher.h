#pragma once

#include "platform/Launcher.h"

#include <QString>
#include <QStringList>

// Records every file test and program start instead of touching the system.
class FakeLauncher final : public platform::Launcher {
public:
    QStringList files;         // the paths at which the file test finds an ordinary file
    bool startSucceeds = true; // whether a program with a non-empty path starts

    QStringList fileTests;
    QStringList started;

    bool isOrdinaryFile(const QString& path) override {
        fileTests << path;
        return files.contains(path);
    }

    bool startProgram(const QString& path) override {
        started << path;
        return !path.isEmpty() && startSucceeds;
    }
};
