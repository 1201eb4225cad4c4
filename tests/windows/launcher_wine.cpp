// Runs under Wine: the Windows launcher's file test and program start against real files, folders
// and a stand-in program placed under paths with blanks and Cyrillic names.
//   launcher_wine STANDIN.exe
#include "platform/SystemLauncher.h"
#include "tests/windows/StandIn.h"

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

using platform::toUtf8;

int failures = 0;

void check(bool ok, const std::string& what) {
    std::printf("%s: %s\n", ok ? "ok" : "FAIL", what.c_str());
    failures += ok ? 0 : 1;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        std::puts("usage: launcher_wine STANDIN.exe");
        return 2;
    }
    // A folder whose name a careless start would split at its blank, with a program named like the
    // part before the blank waiting beside it.
    const std::wstring root = standin::freshFolder(L"Bazelot launcher");
    const std::wstring folder = root + L"\\Папка с программой";
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring program = folder + L"\\stand in.exe";
    CopyFileW(argv[1], program.c_str(), FALSE);
    CopyFileW(argv[1], (root + L"\\Папка.exe").c_str(), FALSE);
    const std::wstring hidden = folder + L"\\hidden.exe";
    const std::wstring system = folder + L"\\system.exe";
    const std::wstring readOnly = folder + L"\\только чтение.exe";
    for (const std::wstring* copy : {&hidden, &system, &readOnly})
        CopyFileW(argv[1], copy->c_str(), FALSE);
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
    for (const FileCase& c : files)
        check(launcher.isOrdinaryFile(toUtf8(c.path)) == c.ordinary,
              std::string("isOrdinaryFile: ") + c.name + (c.ordinary ? " is ordinary" : " is not"));

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
        standin::clearMark();
        const bool started = launcher.startProgram(toUtf8(c.path), c.arguments);
        check(started == c.started,
              std::string("startProgram: ") + c.name + (c.started ? " starts" : " fails"));
        if (!c.started)
            continue;
        std::vector<std::string> expected{toUtf8(c.path)};
        expected.insert(expected.end(), c.arguments.begin(), c.arguments.end());
        const std::vector<std::string> mark = standin::waitForMark();
        check(mark == expected, std::string("startProgram: ") + c.name + ": the stand-in ran as " +
                                    (mark.empty() ? "nothing" : mark.front()) + " with " +
                                    std::to_string(mark.empty() ? 0 : mark.size() - 1) + " arguments");
    }
    standin::clearMark();

    const std::string cmd = launcher.findProgram("cmd");
    check(cmd.size() > 8 && _stricmp(cmd.c_str() + cmd.size() - 8, "\\cmd.exe") == 0,
          "findProgram finds cmd as " + cmd);
    check(launcher.findProgram("no-such-program").empty(), "findProgram finds no missing program");
    return failures == 0 ? 0 : 1;
}
