#pragma once

#include "platform/Launcher.h"
#include "platform/Registry.h"

namespace platform {

// What an About dialog needs from the system. The services must outlive the dialog they are handed to.
struct PlatformServices {
    Registry& registry;
    Launcher& launcher;
};

} // namespace platform
