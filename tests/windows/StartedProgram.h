#pragma once

#include "core/Layout.h"
#include "ui/win32/ControlTable.h"

#include <windows.h>

#include <string>
#include <string_view>

inline constexpr DWORD kPatience = 10000; // ms

// Asks `condition` every 20 ms until it holds or the patience runs out; what it says last.
template <typename Condition>
bool waitUntil(Condition condition) {
    for (DWORD waited = 0; waited < kPatience; waited += 20) {
        if (condition())
            return true;
        Sleep(20);
    }
    return condition();
}

// A program that a test starts as Explorer would; whatever fails, it does not outlive the test.
class StartedProgram {
public:
    explicit StartedProgram(const std::wstring& path) {
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        m_running = CreateProcessW(path.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                   &startup, &m_process);
    }
    ~StartedProgram() {
        if (!m_running)
            return;
        if (WaitForSingleObject(m_process.hProcess, 0) != WAIT_OBJECT_0)
            TerminateProcess(m_process.hProcess, 1);
        CloseHandle(m_process.hThread);
        CloseHandle(m_process.hProcess);
    }
    StartedProgram(const StartedProgram&) = delete;
    StartedProgram& operator=(const StartedProgram&) = delete;

    bool running() const { return m_running; }
    const PROCESS_INFORMATION& process() const { return m_process; }

    // A visible window of the program's of that class, once it is there; with no class, a top-level
    // window without owner (a main window).
    HWND waitForWindow(const wchar_t* className = nullptr) const {
        struct Search {
            const wchar_t* className;
            HWND found;
        } search{className, nullptr};
        waitUntil([&] {
            EnumThreadWindows(
                m_process.dwThreadId,
                [](HWND window, LPARAM parameter) {
                    auto* search = reinterpret_cast<Search*>(parameter);
                    wchar_t name[64] = L"";
                    GetClassNameW(window, name, 64);
                    const bool wanted = search->className ? std::wstring_view(name) == search->className
                                                          : !GetWindow(window, GW_OWNER);
                    if (wanted && IsWindowVisible(window))
                        search->found = window;
                    return search->found ? FALSE : TRUE;
                },
                reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr;
        });
        return search.found;
    }

private:
    PROCESS_INFORMATION m_process{};
    bool m_running = false;
};

// Wine hands no other process the program's tables: a control's ID comes from the layout the windows
// are built from (a menu item's from menuItemId).
inline HWND tableControl(HWND window, const WindowLayout& layout, std::string_view name) {
    const Control* entry = findControl(layout, name);
    return entry
               ? GetDlgItem(window, ControlTable::kFirstId + static_cast<int>(entry - layout.controls.data()))
               : nullptr;
}
