#pragma once

#include <windows.h>

#include <string>

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

private:
    PROCESS_INFORMATION m_process{};
    bool m_running = false;
};
