// Runs under Wine: a screen reader's view of prjBazelot.exe, read from outside through MSAA as one
// reads it. Both main windows name their two text boxes in their language; typing that changes the
// status, and Calculate, raise events that carry the new status and the new result.
#include "core/Layout.h"
#include "core/WindowTexts.h"
#include "tests/windows/MsaaProbe.h"
#include "tests/windows/StartedProgram.h"
#include "ui/win32/ControlTable.h"

#include <doctest/doctest.h>

#include <string>
#include <vector>

namespace {

constexpr DWORD kPatience = 10000; // ms

std::wstring className(HWND window) {
    wchar_t name[64] = L"";
    GetClassNameW(window, name, 64);
    return name;
}

// The program's controls of one class, in the order the window made them.
std::vector<HWND> children(HWND window, std::wstring_view kind) {
    std::vector<HWND> found;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (_wcsicmp(className(child).c_str(), std::wstring(kind).c_str()) == 0)
            found.push_back(child);
    }
    return found;
}

HWND buttonOf(HWND window, const char* caption) {
    for (HWND button : children(window, L"Button")) {
        wchar_t text[128] = L"";
        GetWindowTextW(button, text, 128);
        if (platform::toUtf8(text) == caption)
            return button;
    }
    return nullptr;
}

// The main window the program shows, once it is there.
HWND mainWindow(DWORD processId, HWND other = nullptr) {
    struct Search {
        DWORD processId;
        HWND other;
        HWND found;
    } search{processId, other, nullptr};
    for (DWORD waited = 0; !search.found && waited < kPatience; waited += 20) {
        EnumWindows(
            [](HWND window, LPARAM parameter) {
                auto* search = reinterpret_cast<Search*>(parameter);
                DWORD owner = 0;
                GetWindowThreadProcessId(window, &owner);
                if (owner == search->processId && window != search->other && IsWindowVisible(window) &&
                    !GetWindow(window, GW_OWNER))
                    search->found = window;
                return search->found ? FALSE : TRUE;
            },
            reinterpret_cast<LPARAM>(&search));
        Sleep(20);
    }
    return search.found;
}

// The command ID of the main window's menu item with that command: Wine hands no other process the
// program's menus, so the ID comes from the table the window builds them from.
UINT menuItem(MenuCommand command) {
    const std::vector<MenuItem>& items = mainWindowLayout(Language::Russian).menu;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].command == command)
            return static_cast<UINT>(ControlTable::kFirstMenuId + i);
    }
    return 0;
}

} // namespace

TEST_CASE("a screen reader names both text boxes and hears the status and the result") {
    CoInitialize(nullptr);
    const std::wstring program = platform::toUtf16(getenv("BAZELOT_DELIVERABLES")) + L"\\prjBazelot.exe";
    const StartedProgram started(program);
    REQUIRE(started.running());
    const PROCESS_INFORMATION& process = started.process();
    msaa::Listener listener(process.dwProcessId);
    REQUIRE(listener.hooked());

    HWND window = mainWindow(process.dwProcessId);
    for (const WindowTexts* texts : {&russianTexts, &englishTexts}) {
        CAPTURE(std::string(texts->title));
        REQUIRE(window);
        const std::vector<HWND> edits = children(window, L"Edit");
        REQUIRE(edits.size() == 2);
        const msaa::Object input = msaa::read(edits[0]);
        const msaa::Object result = msaa::read(edits[1]);
        CHECK(input.name == texts->inputName);
        CHECK(input.role == ROLE_SYSTEM_TEXT);
        CHECK(result.name == texts->resultName);
        CHECK((result.state & STATE_SYSTEM_READONLY) != 0);
        const std::vector<HWND> bars = children(window, L"msctls_statusbar32");
        REQUIRE(bars.size() == 1);

        // An accepted digit, then a refused character: each new status is heard, on the status bar
        // (a live region) and as the input box's description.
        for (const auto& [key, status] :
             {std::pair{L'5', texts->accepted}, std::pair{L'Z', texts->notNumber}}) {
            CAPTURE(std::string(status));
            listener.events.clear();
            SendMessageW(edits[0], WM_CHAR, key, 1);
            const msaa::Event* renamed = listener.waitFor(EVENT_OBJECT_NAMECHANGE, bars[0]);
            REQUIRE(renamed);
            CHECK(renamed->object.name == status);
            CHECK(listener.waitFor(0x8019 /* EVENT_OBJECT_LIVEREGIONCHANGED */, bars[0]));
            const msaa::Event* described = listener.waitFor(EVENT_OBJECT_DESCRIPTIONCHANGE, edits[0]);
            REQUIRE(described);
            CHECK(described->object.description == status);
        }
        SendMessageW(edits[0], WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"5"));

        listener.events.clear();
        PostMessageW(buttonOf(window, texts->calculate), BM_CLICK, 0, 0);
        const msaa::Event* valued = listener.waitFor(EVENT_OBJECT_VALUECHANGE, edits[1]);
        REQUIRE(valued);
        CHECK(valued->object.value == "101");

        // On to the English window; the Russian one closes.
        if (texts == &russianTexts) {
            PostMessageW(window, WM_COMMAND, MAKEWPARAM(menuItem(MenuCommand::English), 0), 0);
            HWND old = window;
            for (DWORD waited = 0; IsWindow(old) && waited < kPatience; waited += 20)
                Sleep(20);
            window = mainWindow(process.dwProcessId, old);
        }
    }
    PostMessageW(window, WM_CLOSE, 0, 0);
    CHECK(WaitForSingleObject(process.hProcess, kPatience) == WAIT_OBJECT_0);
}
