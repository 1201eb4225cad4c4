#include "core/AboutFlow.h"

#include "platform/GetKeyValue.h"

#include <exception>
#include <string>
#include <utility>

namespace {

constexpr char kPathKey[] = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr char kPathValue[] = "PATH";
constexpr char kFolderKey[] = "SOFTWARE\\Microsoft\\Shared Tools Location";
constexpr char kFolderValue[] = "MSINFO";
constexpr char kProgramFile[] = "\\MSINFO32.EXE";

// The first location holds the tool's full path, started as it is, even when it is empty or gone;
// the second only its folder, which must hold the program file. Found with the command in tool;
// NotFound when neither names a tool; Malformed when a value read is, which ends the search as any
// failure of the lookup does: the second location is not asked after a malformed first one.
platform::KeyLookup toolFromRegistry(platform::Registry& registry, platform::Launcher& launcher,
                                     std::string& tool) {
    using platform::KeyLookup;
    std::string toolPath;
    const KeyLookup path =
        platform::GetKeyValue(registry, platform::Registry::kLocalMachine, kPathKey, kPathValue, toolPath);
    if (path == KeyLookup::Found)
        tool = platform::ansiToUtf8(toolPath);
    if (path != KeyLookup::NotFound)
        return path;
    const KeyLookup folder = platform::GetKeyValue(registry, platform::Registry::kLocalMachine, kFolderKey,
                                                   kFolderValue, toolPath);
    if (folder != KeyLookup::Found)
        return folder;
    std::string candidate = platform::ansiToUtf8(toolPath + kProgramFile);
    if (!launcher.isOrdinaryFile(candidate))
        return KeyLookup::NotFound;
    tool = std::move(candidate);
    return KeyLookup::Found;
}

bool startFallback(platform::Launcher& launcher, std::span<const SystemInfoProgram> fallbacks) {
    for (const SystemInfoProgram& program : fallbacks) {
        const std::string path = launcher.findProgram(std::string(program.name));
        if (!path.empty())
            return launcher.startProgram(path, program.arguments);
    }
    return false;
}

} // namespace

SysInfoOutcome StartSysInfo(platform::Registry& registry, platform::Launcher& launcher,
                            std::span<const SystemInfoProgram> fallbacks) {
    // Whatever fails on the way ends in the same answer, a malformed registry value as any other.
    try {
        std::string tool;
        bool started = false;
        switch (toolFromRegistry(registry, launcher, tool)) {
        case platform::KeyLookup::Found:
            started = launcher.startProgram(tool, {});
            break;
        case platform::KeyLookup::NotFound:
            started = startFallback(launcher, fallbacks);
            break;
        case platform::KeyLookup::Malformed:
            break;
        }
        return started ? SysInfoOutcome::Started : SysInfoOutcome::Unavailable;
    } catch (const std::exception&) {
        return SysInfoOutcome::Unavailable;
    }
}

std::span<const SystemInfoProgram> systemInfoPrograms() {
#ifdef _WIN32
    return {};
#else
    // KDE's and GNOME's own system details first, then a desktop-neutral one.
    static const SystemInfoProgram kPrograms[] = {
        {"kinfocenter", {}},
        {"gnome-control-center", {"info-overview"}},
        {"hardinfo", {}},
    };
    return kPrograms;
#endif
}

std::optional<Message> sysInfoAnswer(SysInfoOutcome outcome) {
    if (outcome == SysInfoOutcome::Started)
        return std::nullopt;
    return Message{std::string(kApplicationTitle), std::string(kSysInfoUnavailable), MessageIcon::None};
}

AboutModel::AboutModel(Language language, platform::PlatformServices services)
    : m_layout(aboutLayout(language))
    , m_services(services) {}

std::optional<Message> AboutModel::cmdSysInfo_Click() {
    return sysInfoAnswer(StartSysInfo(m_services.registry, m_services.launcher));
}
