// Runs under Wine: prjBazelot.exe asked to close (as End task asks) while one of its own boxes or
// dialogs runs. The request is refused and the program goes on; closed afterwards, it ends normally.
// The program runs with WINEDEBUG=+seh: its test fails on an access violation in its output
// ("dispatch_exception code=c0000005"), which Wine would otherwise swallow in a window procedure.
#include "core/Layout.h"
#include "platform/Utf16.h"
#include "tests/windows/StartedProgram.h"
#include "ui/win32/AboutDialog.h"
#include "ui/win32/ControlTable.h"
#include "ui/win32/MenuBar.h"

#include <doctest/doctest.h>

#include <windows.h>

#include <string>

namespace {

enum class Modal { About, OverflowBox, SysInfoBox };

// How the user ends the program afterwards: the close box or Alt+F4, File > Exit, or End task.
enum class Ending { CloseBox, FileExit, EndTask };

} // namespace

TEST_CASE("a close request while a box or dialog of the program runs is refused; the program goes on") {
    struct Row {
        const char* tag;
        Modal modal;
        bool closeAbout; // the request goes to the About dialog, else to the main window
        Ending ending;
    };
    const Row rows[] = {
        {"main window, About open", Modal::About, false, Ending::CloseBox},
        {"main window, the overflow box of Calculate open", Modal::OverflowBox, false, Ending::FileExit},
        {"About, its System Info box open", Modal::SysInfoBox, true, Ending::EndTask},
        {"main window, About's System Info box open", Modal::SysInfoBox, false, Ending::CloseBox},
    };
    // No system-information tool: System Info says so in its box.
    RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH");
    RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO");
    // The program's own Wine reports every exception it meets; its output is the test's.
    SetEnvironmentVariableW(L"WINEDEBUG", L"+seh");
    const std::wstring program = platform::toUtf16(getenv("BAZELOT_DELIVERABLES")) + L"\\prjBazelot.exe";
    const WindowLayout& layout = mainWindowLayout(Language::Russian);
    const WindowLayout& aboutTable = aboutLayout(Language::Russian);
    for (const Row& row : rows) {
        INFO(std::string(row.tag));
        const StartedProgram started(program);
        REQUIRE(started.running());
        const PROCESS_INFORMATION& process = started.process();
        REQUIRE(WaitForInputIdle(process.hProcess, kPatience) == 0);
        HWND window = started.waitForWindow();
        REQUIRE(window);
        HWND input = tableControl(window, layout, "txtValue");
        SendMessageW(input, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"2147483648"));

        HWND about = nullptr;
        HWND box = nullptr;
        if (row.modal == Modal::OverflowBox) {
            PostMessageW(tableControl(window, layout, "cmdCalculate"), BM_CLICK, 0, 0);
        } else {
            PostMessageW(window, WM_COMMAND, MAKEWPARAM(menuItemId(layout, "mnuAbout"), 0), 0);
            about = started.waitForWindow(kAboutClassName);
            REQUIRE(about);
            if (row.modal == Modal::SysInfoBox)
                PostMessageW(tableControl(about, aboutTable, "cmdSysInfo"), BM_CLICK, 0, 0);
        }
        if (row.modal != Modal::About) {
            box = started.waitForWindow(L"#32770");
            REQUIRE(box);
        }

        HWND closed = row.closeAbout ? about : window;
        PostMessageW(closed, WM_CLOSE, 0, 0);
        // A mark posted behind the request: once the input box shows it, the request has been handled
        // (or the window has gone).
        PostMessageW(input, EM_SETSEL, 1, 3);
        waitUntil([&] {
            DWORD_PTR selection = 0;
            return !IsWindow(closed) ||
                   (SendMessageTimeoutW(input, EM_GETSEL, 0, 0, SMTO_ABORTIFHUNG, 1000, &selection) &&
                    selection == MAKELONG(1, 3));
        });
        CHECK(IsWindow(closed));

        // The boxes and the dialog end as the user ends them, and then the program.
        if (box) {
            PostMessageW(box, WM_COMMAND, IDOK, 0);
            CHECK(waitUntil([&] { return !IsWindow(box); }));
        }
        if (about) {
            PostMessageW(about, WM_CLOSE, 0, 0);
            CHECK(waitUntil([&] { return !IsWindow(about); }));
        }
        CHECK(IsWindow(window));
        switch (row.ending) {
        case Ending::CloseBox:
            PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
            break;
        case Ending::FileExit:
            PostMessageW(window, WM_COMMAND, MAKEWPARAM(menuItemId(layout, "mnuExit"), 0), 0);
            break;
        case Ending::EndTask:
            PostMessageW(window, WM_CLOSE, 0, 0);
            break;
        }
        REQUIRE(WaitForSingleObject(process.hProcess, kPatience) == WAIT_OBJECT_0);
        DWORD exitCode = 1;
        GetExitCodeProcess(process.hProcess, &exitCode);
        CHECK(exitCode == 0);
    }
}
