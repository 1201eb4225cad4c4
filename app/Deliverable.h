#pragma once

namespace bazelot {

// The names and version one executable reports about itself. Each deliverable's build generates its
// own `thisDeliverable` from the table in app/CMakeLists.txt, so the two builds share every other line.
struct Deliverable {
    const char* applicationTitle;
    const char* version;
    const char* companyName;
    const char* desktopFileName;
};

extern const Deliverable thisDeliverable;

// Hands the deliverable's names and version to the running QGuiApplication, where Qt and anyone who
// asks it (QCoreApplication::applicationVersion() and the like) find them.
void describeApplication(const Deliverable& deliverable);

} // namespace bazelot
