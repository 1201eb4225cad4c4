#pragma once

#include <string>
#include <vector>

namespace platform {

// The file test and the program start of the system-information lookup, handed in by whoever builds an
// About dialog so that tests can record what would have been started. Paths are UTF-8; each front-end's
// implementation converts them at its own edge.
class Launcher {
public:
    virtual ~Launcher() = default;

    // True when an ordinary file is at path: not a folder, not hidden and not a system file.
    virtual bool isOrdinaryFile(const std::string& path) = 0;

    // The full path of the program called name on the search path (PATH), or an empty text.
    virtual std::string findProgram(const std::string& name) = 0;

    // Starts the program at path with these arguments, without waiting for it and never through a
    // shell, so a path with blanks is never split into a program and arguments. False when the program
    // cannot be started (an empty path included).
    virtual bool startProgram(const std::string& path, const std::vector<std::string>& arguments) = 0;
};

} // namespace platform
