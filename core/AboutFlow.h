#pragma once

#include "core/Focus.h"
#include "core/Language.h"
#include "core/Layout.h"
#include "core/Message.h"
#include "platform/Launcher.h"
#include "platform/PlatformServices.h"
#include "platform/Registry.h"

#include <optional>
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
// nothing started. Never throws.
SysInfoOutcome StartSysInfo(platform::Registry& registry, platform::Launcher& launcher,
                            std::span<const SystemInfoProgram> fallbacks = systemInfoPrograms());

inline constexpr std::string_view kSysInfoUnavailable = "System Information Is Unavailable At This Time";

// The box the About dialog shows after System Info, or none when the tool started.
std::optional<Message> sysInfoAnswer(SysInfoOutcome outcome);

// The behaviour of one About dialog, either language: the view forwards each event and applies what
// it gets back.
class AboutModel {
public:
    AboutModel(Language language, platform::PlatformServices services);

    const WindowLayout& layout() const { return m_layout; }
    // The view reports every control that takes the focus; after a box the focus goes back to last().
    FocusKeeper& focus() { return m_focus; }

    // Starts the system-information tool; the box to show when none started. The dialog stays open.
    std::optional<Message> cmdSysInfo_Click();

private:
    const WindowLayout& m_layout;
    platform::PlatformServices m_services;
    FocusKeeper m_focus{m_layout};
};
