// Stands in for a system-information tool: writes the path it was started from and its arguments, one
// per line in UTF-8, to the file that BAZELOT_MARK names, so a test sees what was started and how.
#include "platform/Utf16.h"

#include <windows.h>

#include <cstdio>
#include <string>

int wmain(int argc, wchar_t** argv) {
    wchar_t mark[MAX_PATH];
    wchar_t self[MAX_PATH];
    if (GetEnvironmentVariableW(L"BAZELOT_MARK", mark, MAX_PATH) == 0 ||
        GetModuleFileNameW(nullptr, self, MAX_PATH) == 0)
        return 1;
    // Written aside and then renamed, so that the test never reads half a mark.
    const std::wstring part = std::wstring(mark) + L".part";
    FILE* file = _wfopen(part.c_str(), L"wb");
    if (file == nullptr)
        return 1;
    std::fprintf(file, "%s\n", platform::toUtf8(self).c_str());
    for (int i = 1; i < argc; ++i)
        std::fprintf(file, "%s\n", platform::toUtf8(argv[i]).c_str());
    const bool written = std::fclose(file) == 0;
    return written && MoveFileExW(part.c_str(), mark, MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
