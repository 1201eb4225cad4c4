#pragma once

class QString;

namespace platform {

// The file test and the program start of the system-information lookup, handed in by whoever builds an
// About dialog so that tests can record what would have been started.
class Launcher {
public:
    virtual ~Launcher() = default;

    // True when an ordinary file is at path: not a folder and not hidden.
    virtual bool isOrdinaryFile(const QString& path) = 0;

    // Starts the program at path without waiting for it. The path is the program itself and is given no
    // arguments, so a path with blanks is never split into a program and arguments. False when the
    // program cannot be started (an empty path included).
    virtual bool startProgram(const QString& path) = 0;
};

} // namespace platform
