#pragma once

// What the Wine tests share about the stand-in program (standin.cpp): copying it where a test wants a
// program, and reading back the mark it leaves.
#include "platform/Utf16.h"

#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace standin {

// The stand-in that the build made; the test's environment names it (BAZELOT_STANDIN).
inline std::wstring builtProgram() {
    const wchar_t* path = _wgetenv(L"BAZELOT_STANDIN");
    return path ? path : L"";
}

// A fresh, empty folder below the temporary folder.
inline std::wstring freshFolder(const std::wstring& name) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / name;
    // A read-only file left by an earlier run could not be removed.
    std::error_code ignored;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder, ignored))
        SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder.wstring();
}

// The file the stand-in writes; every program a test starts inherits its name.
inline std::wstring markFile() {
    static const std::wstring mark = [] {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        // One per test process: tests run side by side.
        const std::wstring path =
            std::wstring(temp) + L"bazelot-standin-mark-" + std::to_wstring(GetCurrentProcessId()) + L".txt";
        SetEnvironmentVariableW(L"BAZELOT_MARK", path.c_str());
        return path;
    }();
    return mark;
}

inline void clearMark() {
    DeleteFileW(markFile().c_str());
}

// The lines of the mark (the started program's path, then its arguments) once the stand-in has
// written it, or nothing when no stand-in ran within patience milliseconds.
inline std::vector<std::string> waitForMark(DWORD patience = 10000) {
    for (DWORD waited = 0; waited <= patience; waited += 20) {
        if (FILE* file = _wfopen(markFile().c_str(), L"rb")) {
            std::vector<std::string> lines;
            char buffer[4096];
            while (std::fgets(buffer, sizeof buffer, file) != nullptr) {
                lines.emplace_back(buffer);
                if (lines.back().ends_with('\n'))
                    lines.back().pop_back();
            }
            std::fclose(file);
            return lines;
        }
        Sleep(20);
    }
    return {};
}

} // namespace standin
