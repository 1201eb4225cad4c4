// Runs under Wine: the Windows launcher's file test and program start against real files, folders
// and a stand-in program placed under paths with blanks and Cyrillic names.
#include "platform/SystemLauncher.h"
#include "tests/windows/StandIn.h"

#include <doctest/doctest.h>

#include <windows.h>

#include <string>
#include <vector>

using platform::toUtf8;

TEST_CASE("the Windows launcher's file test and program start") {
    const std::wstring standIn = standin::builtProgram();
    REQUIRE_FALSE(standIn.empty());
    // A folder whose name a careless start would split at its blank, with a program named like the
    // part before the blank waiting beside it.
    const std::wstring root = standin::freshFolder(L"Bazelot launcher");
    const std::wstring folder = root + L"\\Папка с программой";
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring program = folder + L"\\stand in.exe";
    CopyFileW(standIn.c_str(), program.c_str(), FALSE);
    CopyFileW(standIn.c_str(), (root + L"\\Папка.exe").c_str(), FALSE);
    const std::wstring hidden = folder + L"\\hidden.exe";
    const std::wstring system = folder + L"\\system.exe";
    const std::wstring readOnly = folder + L"\\только чтение.exe";
    for (const std::wstring* copy : {&hidden, &system, &readOnly})
        CopyFileW(standIn.c_str(), copy->c_str(), FALSE);
    SetFileAttributesW(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN);
    SetFileAttributesW(system.c_str(), FILE_ATTRIBUTE_SYSTEM);
    SetFileAttributesW(readOnly.c_str(), FILE_ATTRIBUTE_READONLY);

    platform::SystemLauncher launcher;

    struct FileCase {
        const char* name;
        std::wstring path;
        bool ordinary;
    };
    const FileCase files[] = {
        {"a program under blanks and Cyrillic", program, true},
        {"a read-only file", readOnly, true},
        {"a folder", folder, false},
        {"a hidden file", hidden, false},
        {"a system file", system, false},
        {"a missing file", folder + L"\\missing.exe", false},
        {"an empty path", L"", false},
    };
    for (const FileCase& c : files) {
        CAPTURE(c.name);
        CHECK(launcher.isOrdinaryFile(toUtf8(c.path)) == c.ordinary);
    }

    struct StartCase {
        const char* name;
        std::wstring path;
        std::vector<std::string> arguments;
        bool started;
    };
    const StartCase starts[] = {
        {"the path as it is, no arguments", program, {}, true},
        {"arguments read back unchanged",
         program,
         {"two words", "", "a \"quoted\" word", "trailing\\", "back\\\\\"slashes", "кириллица"},
         true},
        {"a missing program", folder + L"\\missing.exe", {}, false},
        {"a folder", folder, {}, false},
        {"an empty path", L"", {}, false},
    };
    for (const StartCase& c : starts) {
        CAPTURE(c.name);
        standin::clearMark();
        CHECK(launcher.startProgram(toUtf8(c.path), c.arguments) == c.started);
        if (!c.started)
            continue;
        std::vector<std::string> expected{toUtf8(c.path)};
        expected.insert(expected.end(), c.arguments.begin(), c.arguments.end());
        // The stand-in's mark: the path it ran as, then each argument it received.
        CHECK(standin::waitForMark() == expected);
    }
    standin::clearMark();

    const std::string cmd = launcher.findProgram("cmd");
    CAPTURE(cmd);
    CHECK((cmd.size() > 8 && _stricmp(cmd.c_str() + cmd.size() - 8, "\\cmd.exe") == 0));
    CHECK(launcher.findProgram("no-such-program").empty());
}
