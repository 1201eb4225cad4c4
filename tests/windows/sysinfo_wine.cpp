// Runs under Wine: the About dialog's System Info flow end to end, over the real registry and the
// Windows launcher, with a stand-in for the tool placed where the registry values point.
#include "core/AboutFlow.h"
#include "platform/SystemLauncher.h"
#include "platform/SystemRegistry.h"
#include "tests/windows/StandIn.h"

#include <doctest/doctest.h>

#include <windows.h>

#include <string>

namespace {

constexpr char kFirstLocation[] = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr char kSecondLocation[] = "SOFTWARE\\Microsoft\\Shared Tools Location";

// Sets one location's value, or removes it for an empty text.
void setLocation(const char* key, const char* value, const std::string& text) {
    if (text.empty()) {
        RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, key, value);
        return;
    }
    HKEY opened = nullptr;
    RegCreateKeyExA(HKEY_LOCAL_MACHINE, key, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &opened, nullptr);
    RegSetValueExA(opened, value, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>(text.size() + 1));
    RegCloseKey(opened);
}

} // namespace

TEST_CASE("System Info over the real registry and launcher") {
    const std::wstring standIn = standin::builtProgram();
    REQUIRE_FALSE(standIn.empty());
    // The registry holds ANSI texts, so these paths stay ASCII; they have blanks, and beside the
    // folder with a blank waits a program named like its first word, which a split start would run.
    const std::string root = platform::toUtf8(standin::freshFolder(L"Bazelot sysinfo"));
    const std::string toolFolder = root + "\\Tool Folder";
    const std::string tool = toolFolder + "\\msinfo stand in.exe";
    const std::string msinfoFolder = root + "\\MSInfo Folder";
    const std::string emptyFolder = root + "\\Empty Folder";
    for (const std::string& folder : {toolFolder, msinfoFolder, emptyFolder})
        CreateDirectoryA(folder.c_str(), nullptr);
    for (const std::string& copy : {tool, msinfoFolder + "\\MSINFO32.EXE", root + "\\Tool.exe"})
        CopyFileW(standIn.c_str(), platform::toUtf16(copy).c_str(), FALSE);

    struct Case {
        const char* name;
        std::string firstLocation;  // the tool's path; empty: no value
        std::string secondLocation; // the tool's folder; empty: no value
        std::string started;        // the program started; empty: Unavailable
    };
    const Case cases[] = {
        {"the first location's path with blanks, unsplit", tool, "", tool},
        {"the first location wins over the second", tool, msinfoFolder, tool},
        {"only the second location: its MSINFO32.EXE", "", msinfoFolder, msinfoFolder + "\\MSINFO32.EXE"},
        {"only the second location, without MSINFO32.EXE", "", emptyFolder, ""},
        {"the first location's missing program, the second not tried", toolFolder + "\\gone.exe",
         msinfoFolder, ""},
        {"neither location", "", "", ""},
    };

    platform::SystemRegistry registry;
    platform::SystemLauncher launcher;
    for (const Case& c : cases) {
        CAPTURE(c.name);
        setLocation(kFirstLocation, "PATH", c.firstLocation);
        setLocation(kSecondLocation, "MSINFO", c.secondLocation);
        standin::clearMark();
        const SysInfoOutcome outcome = StartSysInfo(registry, launcher);
        const std::vector<std::string> mark = standin::waitForMark(c.started.empty() ? 300 : 10000);
        CHECK((outcome == SysInfoOutcome::Started) == !c.started.empty());
        CHECK((mark.empty() ? std::string() : mark.front()) == c.started);
        CHECK(mark.size() <= 1); // started with no arguments
    }
    setLocation(kFirstLocation, "PATH", "");
    setLocation(kSecondLocation, "MSINFO", "");
    standin::clearMark();
}
