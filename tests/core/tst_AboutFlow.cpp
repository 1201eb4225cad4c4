#include "core/AboutFlow.h"
#include "tests/platform/FakeLauncher.h"
#include "tests/platform/FakeRegistry.h"

#include <doctest/doctest.h>

#include <optional>

using platform::Registry;

namespace {

const std::string kPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string kFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
const std::string kTool = "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo\\msinfo32.exe";
const std::string kFolder = "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo";
const std::string kInFolder = kFolder + "\\MSINFO32.EXE";
constexpr std::uint32_t kTypeBinary = 3; // REG_BINARY

FakeRegistry::Value string(const std::string& text, bool terminated = true) {
    return {Registry::kTypeString, terminated ? text + '\0' : text, {}};
}

// The tool's two registry locations as a row gives them; an absent one is not written.
void setLocations(FakeRegistry& registry, const std::optional<FakeRegistry::Value>& path,
                  const std::optional<FakeRegistry::Value>& folder) {
    if (path)
        registry.setValue(kPathKey, "PATH", *path);
    if (folder)
        registry.setValue(kFolderKey, "MSINFO", *folder);
}

using Strings = std::vector<std::string>;
using Starts = std::vector<FakeLauncher::Start>;

} // namespace

TEST_CASE("System Info starts the registry's tool or says it is unavailable") {
    struct Row {
        const char* tag;
        std::optional<FakeRegistry::Value> path;   // first location: the tool's full path
        std::optional<FakeRegistry::Value> folder; // second location: the tool's folder
        bool keysDenied;
        Strings files; // where the file test finds a file
        bool startFails;
        Strings fileTests;
        Starts started;
        SysInfoOutcome outcome;
    };
    const auto started = SysInfoOutcome::Started;
    const auto unavailable = SysInfoOutcome::Unavailable;
    const Row rows[] = {
        {"full path started as it is, second location missing",
         string(kTool),
         {},
         false,
         {},
         false,
         {},
         {{kTool, {}}},
         started},
        {"full path stored without terminating zero",
         string(kTool, false),
         {},
         false,
         {},
         false,
         {},
         {{kTool, {}}},
         started},
        {"first location wins without a file test",
         string(kTool),
         string(kFolder),
         false,
         {kInFolder},
         false,
         {},
         {{kTool, {}}},
         started},
        {"folder holding the tool",
         {},
         string(kFolder),
         false,
         {kInFolder},
         false,
         {kInFolder},
         {{kInFolder, {}}},
         started},
        {"folder ending in a backslash gets a second one",
         {},
         string("C:\\Tools\\"),
         false,
         {"C:\\Tools\\\\MSINFO32.EXE"},
         false,
         {"C:\\Tools\\\\MSINFO32.EXE"},
         {{"C:\\Tools\\\\MSINFO32.EXE", {}}},
         started},
        {"folder without the tool", {}, string(kFolder), false, {}, false, {kInFolder}, {}, unavailable},
        {"both locations missing", {}, {}, false, {}, false, {}, {}, unavailable},
        {"keys that cannot be opened",
         string(kTool),
         string(kFolder),
         true,
         {kInFolder},
         false,
         {},
         {},
         unavailable},
        {"first location of another type: an empty path does not start",
         FakeRegistry::Value{kTypeBinary, "\x01\x02", {}},
         string(kFolder),
         false,
         {kInFolder},
         false,
         {},
         {{"", {}}},
         unavailable},
        {"empty first location fails the lookup",
         FakeRegistry::Value{Registry::kTypeString, {}, {}},
         string(kFolder),
         false,
         {kInFolder},
         false,
         {},
         {},
         unavailable},
        {"tool that cannot be started", string(kTool), {}, false, {}, true, {}, {{kTool, {}}}, unavailable},
    };
    for (const Row& row : rows) {
        CAPTURE(row.tag);
        FakeRegistry registry;
        setLocations(registry, row.path, row.folder);
        if (row.keysDenied) {
            registry.denyKey(kPathKey);
            registry.denyKey(kFolderKey);
        }
        FakeLauncher launcher;
        launcher.files = row.files;
        launcher.startSucceeds = !row.startFails;
        // A stand-in on the search path must not matter where the registry answers.
        launcher.onPath["hardinfo"] = "/usr/bin/hardinfo";

        CHECK(StartSysInfo(registry, launcher, {}) == row.outcome);
        CHECK(launcher.fileTests == row.fileTests);
        CHECK(launcher.started == row.started);
        CHECK(registry.openKeys.empty());
        for (std::uint32_t access : registry.accessAsked)
            CHECK(access == Registry::kKeyRead);
    }
}

TEST_CASE("where the registry names no tool, the first installed fallback program starts") {
    const SystemInfoProgram programs[] = {
        {"kinfocenter", {}}, {"gnome-control-center", {"info-overview"}}, {"hardinfo", {}}};
    struct Row {
        const char* tag;
        std::vector<std::pair<std::string, std::string>> installed;
        bool registryFolderHoldsTool;
        Starts started;
    };
    const Row rows[] = {
        {"none installed", {}, false, {}},
        {"the only one installed", {{"hardinfo", "/usr/bin/hardinfo"}}, false, {{"/usr/bin/hardinfo", {}}}},
        {"the table's order decides",
         {{"hardinfo", "/usr/bin/hardinfo"}, {"gnome-control-center", "/bin/gcc"}},
         false,
         {{"/bin/gcc", {"info-overview"}}}},
        {"the registry's tool comes first", {{"hardinfo", "/usr/bin/hardinfo"}}, true, {{kInFolder, {}}}},
    };
    for (const Row& row : rows) {
        CAPTURE(row.tag);
        FakeRegistry registry;
        FakeLauncher launcher;
        if (row.registryFolderHoldsTool) {
            registry.setValue(kFolderKey, "MSINFO", string(kFolder));
            launcher.files = {kInFolder};
        }
        for (const auto& [program, path] : row.installed)
            launcher.onPath[program] = path;
        const SysInfoOutcome outcome = StartSysInfo(registry, launcher, programs);
        CHECK(launcher.started == row.started);
        CHECK(outcome == (row.started.empty() ? SysInfoOutcome::Unavailable : SysInfoOutcome::Started));
    }
}

TEST_CASE("a malformed registry value is a plain answer, with no further search") {
    const SystemInfoProgram programs[] = {{"hardinfo", {}}};
    struct Row {
        const char* tag;
        std::optional<FakeRegistry::Value> path;
        std::optional<FakeRegistry::Value> folder;
    };
    const Row rows[] = {
        {"empty first location, tool in the second", FakeRegistry::Value{Registry::kTypeString, "C:\\x", 0},
         string(kFolder)},
        {"second location beyond the buffer", {}, FakeRegistry::Value{Registry::kTypeString, kFolder, 1025}},
    };
    for (const Row& row : rows) {
        INFO(row.tag);
        FakeRegistry registry;
        setLocations(registry, row.path, row.folder);
        FakeLauncher launcher;
        launcher.files = {kInFolder};
        launcher.onPath["hardinfo"] = "/usr/bin/hardinfo";
        CHECK(StartSysInfo(registry, launcher, programs) == SysInfoOutcome::Unavailable);
        CHECK(launcher.fileTests.empty());
        CHECK(launcher.started.empty());
        CHECK(registry.openKeys.empty());
    }
}

TEST_CASE("the About dialog's answer to System Info: the box when nothing started, else none") {
    CHECK_FALSE(sysInfoAnswer(SysInfoOutcome::Started));
    const std::optional<Message> box = sysInfoAnswer(SysInfoOutcome::Unavailable);
    REQUIRE(box);
    CHECK(*box == Message{"prjBazelot", "System Information Is Unavailable At This Time", MessageIcon::None});
}
