// Runs under Wine: starts each given program as Explorer would, waits for its first top-level window,
// checks that it is the Russian main window, closes it as the title bar's close button does and
// checks that the program then ends by itself, successfully.
//   startclose_wine PROGRAM.exe...
#include "core/WindowTexts.h"
#include "platform/Utf16.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

// Test output is UTF-8, as the rest of the program's texts.
std::string utf8(const std::wstring& text) {
    return platform::toUtf8(text);
}

constexpr DWORD kPatience = 10000; // ms; a start takes a fraction of a second

struct Search {
    DWORD processId;
    HWND window;
};

BOOL CALLBACK findWindow(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<Search*>(parameter);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId != search->processId || !IsWindowVisible(window) || GetWindow(window, GW_OWNER) != nullptr)
        return TRUE;
    search->window = window;
    return FALSE;
}

bool startAndClose(const wchar_t* program) {
    const std::string name = utf8(program);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program, nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        std::printf("FAIL: %s does not start (error %lu)\n", name.c_str(), GetLastError());
        return false;
    }
    CloseHandle(process.hThread);

    Search search{process.dwProcessId, nullptr};
    for (DWORD waited = 0; search.window == nullptr && waited < kPatience; waited += 20) {
        if (WaitForSingleObject(process.hProcess, 20) == WAIT_OBJECT_0)
            break;
        EnumWindows(findWindow, reinterpret_cast<LPARAM>(&search));
    }
    bool ok = search.window != nullptr;
    if (!ok) {
        std::printf("FAIL: %s shows no window\n", name.c_str());
        TerminateProcess(process.hProcess, 1);
    } else {
        wchar_t title[256] = L"";
        GetWindowTextW(search.window, title, 256);
        if (utf8(title) != russianTexts.title) {
            std::printf("FAIL: %s starts with the window \"%s\"\n", name.c_str(), utf8(title).c_str());
            ok = false;
        }
        PostMessageW(search.window, WM_CLOSE, 0, 0);
        DWORD exitCode = 1;
        if (WaitForSingleObject(process.hProcess, kPatience) != WAIT_OBJECT_0) {
            std::printf("FAIL: %s goes on after its window was closed\n", name.c_str());
            TerminateProcess(process.hProcess, 1);
            ok = false;
        } else if (GetExitCodeProcess(process.hProcess, &exitCode) && exitCode != 0) {
            std::printf("FAIL: %s ends with %lu\n", name.c_str(), exitCode);
            ok = false;
        }
    }
    CloseHandle(process.hProcess);
    if (ok)
        std::printf("ok: %s starts with the Russian window and ends when it is closed\n", name.c_str());
    return ok;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    bool ok = argc > 1;
    for (int i = 1; i < argc; ++i)
        ok = startAndClose(argv[i]) && ok;
    return ok ? 0 : 1;
}
