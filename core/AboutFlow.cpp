#include "core/AboutFlow.h"

#include "platform/GetKeyValue.h"

#include <exception>
#include <optional>
#include <string>

namespace {

constexpr char kPathKey[] = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr char kPathValue[] = "PATH";
constexpr char kFolderKey[] = "SOFTWARE\\Microsoft\\Shared Tools Location";
constexpr char kFolderValue[] = "MSINFO";
constexpr char kProgramFile[] = "\\MSINFO32.EXE";

// The first location holds the tool's full path, started as it is, even when it is empty or gone;
// the second only its folder, which must hold the program file. Nothing when neither names a tool.
std::optional<std::string> toolFromRegistry(platform::Registry& registry, platform::Launcher& launcher) {
    std::string toolPath;
    if (platform::GetKeyValue(registry, platform::Registry::kLocalMachine, kPathKey, kPathValue, toolPath))
        return platform::ansiToUtf8(toolPath);
    if (!platform::GetKeyValue(registry, platform::Registry::kLocalMachine, kFolderKey, kFolderValue,
                               toolPath))
        return std::nullopt;
    std::string candidate = platform::ansiToUtf8(toolPath + kProgramFile);
    if (!launcher.isOrdinaryFile(candidate))
        return std::nullopt;
    return candidate;
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
    // Whatever fails on the way, a malformed registry value included, ends in the same answer.
    try {
        const std::optional<std::string> tool = toolFromRegistry(registry, launcher);
        const bool started = tool ? launcher.startProgram(*tool, {}) : startFallback(launcher, fallbacks);
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
