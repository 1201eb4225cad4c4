#pragma once

#include "platform/Launcher.h"
#include "platform/Registry.h"

#include <span>
#include <string_view>
#include <vector>

// A system-information program found on the search path where the registry names none.
struct SystemInfoProgram {
    std::string_view name;
    std::vector<std::string> arguments;
};

// The programs tried, in order, on systems without the registry's tool: empty on Windows.
std::span<const SystemInfoProgram> systemInfoPrograms();

enum class SysInfoOutcome { Started, Unavailable };

// Starts the system-information tool that the registry names: the first location's full path as it
// is, or else the second location's folder followed by "\MSINFO32.EXE" when that file exists. Where
// neither names one, the first of the fallback programs found on the search path. Unavailable when
// nothing started; the view then shows kSysInfoUnavailable. Never throws.
SysInfoOutcome StartSysInfo(platform::Registry& registry, platform::Launcher& launcher,
                            std::span<const SystemInfoProgram> fallbacks = systemInfoPrograms());
