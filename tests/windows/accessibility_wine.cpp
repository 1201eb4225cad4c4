// Runs under Wine: a screen reader's view of prjBazelot.exe, read from outside through MSAA as one
// reads it. Both main windows name their two text boxes in their language; typing that changes the
// status, and Calculate, raise events that carry the new status and the new result. In-process, the
// views' accessible objects and their UI Automation notifications, which Wine 8 cannot raise.
#include "core/Layout.h"
#include "core/MainWindowModel.h"
#include "core/WindowTexts.h"
#include "tests/platform/FakeLauncher.h"
#include "tests/platform/FakeRegistry.h"
#include "tests/windows/MsaaProbe.h"
#include "tests/windows/StartedProgram.h"
#include "ui/win32/Accessible.h"
#include "ui/win32/ControlTable.h"
#include "ui/win32/MainWindow.h"
#include "ui/win32/MenuBar.h"

#include <doctest/doctest.h>

#include <commctrl.h>

#include <string>
#include <thread>
#include <vector>

namespace {

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

} // namespace

TEST_CASE("a screen reader names both text boxes and hears the status and the result") {
    CoInitialize(nullptr);
    const std::wstring program = platform::toUtf16(getenv("BAZELOT_DELIVERABLES")) + L"\\prjBazelot.exe";
    const StartedProgram started(program);
    REQUIRE(started.running());
    const PROCESS_INFORMATION& process = started.process();
    msaa::Listener listener(process.dwProcessId);
    REQUIRE(listener.hooked());

    HWND window = started.waitForWindow();
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

        // An accepted digit, then a refused character: each new status is heard on the status bar, a
        // live region where the system raises no UI Automation notification (Wine 8 does not).
        for (const auto& [key, status] :
             {std::pair{L'5', texts->accepted}, std::pair{L'Z', texts->notNumber}}) {
            CAPTURE(std::string(status));
            listener.events.clear();
            SendMessageW(edits[0], WM_CHAR, key, 1);
            const msaa::Event* renamed = listener.waitFor(EVENT_OBJECT_NAMECHANGE, bars[0]);
            REQUIRE(renamed);
            CHECK(renamed->object.name == status);
            CHECK(listener.waitFor(0x8019 /* EVENT_OBJECT_LIVEREGIONCHANGED */, bars[0]));
            CHECK_FALSE(listener.waitFor(EVENT_OBJECT_DESCRIPTIONCHANGE, edits[0], 0));
        }
        SendMessageW(edits[0], WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"5"));

        listener.events.clear();
        PostMessageW(buttonOf(window, texts->calculate), BM_CLICK, 0, 0);
        const msaa::Event* valued = listener.waitFor(EVENT_OBJECT_VALUECHANGE, edits[1]);
        REQUIRE(valued);
        CHECK(valued->object.value == "101");

        // On to the English window; the Russian one closes.
        if (texts == &russianTexts) {
            PostMessageW(window, WM_COMMAND,
                         MAKEWPARAM(menuItemId(mainWindowLayout(Language::Russian), "mnuEnglish"), 0), 0);
            HWND old = window;
            waitUntil([&] { return !IsWindow(old); });
            window = started.waitForWindow();
        }
    }
    PostMessageW(window, WM_CLOSE, 0, 0);
    CHECK(WaitForSingleObject(process.hProcess, kPatience) == WAIT_OBJECT_0);
}

namespace {

// What the views hand UI Automation to raise, in place of the system's UiaRaiseNotificationEvent.
std::vector<std::pair<int, std::string>> s_raised; // kind, words

HRESULT WINAPI recordNotification(IRawElementProviderSimple* provider, int kind, int, BSTR words, BSTR) {
    s_raised.emplace_back(provider ? kind : -1, platform::toUtf8(std::wstring(words, SysStringLen(words))));
    return S_OK;
}

// A main window of this process, as the program opens it, whose notifications are recorded.
struct InProcess {
    explicit InProcess(Language language)
        : language(language) {}
    ~InProcess() { DestroyWindow(window); }

    Language language;
    BOOL classes = [] {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
        return InitCommonControlsEx(&controls);
    }();
    FakeRegistry registry;
    FakeLauncher launcher;
    Accessible::Notifier notifier{Accessible::Notifier::system().hostProviderFromHwnd, recordNotification};
    Session session{
        .instance = GetModuleHandleW(nullptr), .services = {registry, launcher}, .notifier = &notifier};
    HWND window = MainWindow::open(session, language, SW_SHOW);
};

IAccessible* accessibleOf(HWND control) {
    IAccessible* object = nullptr;
    AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), msaa::kIAccessible,
                               reinterpret_cast<void**>(&object));
    return object;
}

} // namespace

TEST_CASE("the news goes to UI Automation's notification in the core's words, in the window's language") {
    for (const Language language : {Language::Russian, Language::English}) {
        InProcess program(language);
        MainWindowModel model(language); // the same events, answered by the core alone
        std::vector<std::pair<int, std::string>> expected;
        s_raised.clear();
        for (const wchar_t* text : {L"5", L"5Z", L"5"}) {
            SetWindowTextW(findControl(program.window, "txtValue"), text);
            expected.emplace_back(4 /* Other */,
                                  model.txtValue_Change(platform::toUtf8(text)).announcement->text);
        }
        SendMessageW(findControl(program.window, "cmdCalculate"), BM_CLICK, 0, 0);
        expected.emplace_back(2 /* ActionCompleted */,
                              model.cmdCalculate_Click([](const Message&) {}).announcement->text);
        // The language switch: the new window tells its own status once it is shown.
        const Language other = language == Language::Russian ? Language::English : Language::Russian;
        const UINT item =
            findMenuItem(program.window, other == Language::English ? "mnuEnglish" : "mnuRussian");
        SendMessageW(program.window, WM_COMMAND, MAKEWPARAM(item, 0), 0);
        for (MSG message; PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);)
            DispatchMessageW(&message);
        expected.emplace_back(4, MainWindowModel(other).replacedWindowActivated().announcement->text);
        CHECK(s_raised == expected);
        DestroyWindow(FindWindowW(MainWindow::kClassName, nullptr));
    }
}

TEST_CASE("the accessible object: the core's name through IDispatch too, one identity with the standard "
          "object's interfaces") {
    InProcess program(Language::Russian);
    SetWindowTextW(findControl(program.window, "txtValue"), L"Z"); // a status of the core's
    for (const char* name : {"txtValue", "sbrStatus", "cmdCalculate"}) {
        CAPTURE(name);
        IAccessible* object = accessibleOf(findControl(program.window, name));
        REQUIRE(object);
        VARIANT self{};
        self.vt = VT_I4;
        DISPPARAMS childOnly{&self, nullptr, 1, 0};
        VARIANT dispatched{};
        object->Invoke(DISPID_ACC_NAME, IID_NULL, 0, DISPATCH_PROPERTYGET, &childOnly, &dispatched, nullptr,
                       nullptr);
        CHECK(msaa::take(dispatched.vt == VT_BSTR ? dispatched.bstrVal : nullptr) ==
              msaa::read(findControl(program.window, name)).name);
        IUnknown* identity = nullptr;
        object->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&identity));
        for (const IID& id : {IID_IOleWindow, IID_IEnumVARIANT}) {
            IUnknown* other = nullptr;
            IUnknown* back = nullptr;
            REQUIRE(object->QueryInterface(id, reinterpret_cast<void**>(&other)) == S_OK);
            other->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&back));
            CHECK(back == identity);
            back->Release();
            other->Release();
        }
        identity->Release();
        object->Release();
    }
}

TEST_CASE("COM: entered on the windows' thread before a client's object is answered, left with the program") {
    std::thread([] {
        {
            Accessible::Apartment apartment;
            InProcess program(Language::English);
            // The thread started without COM: a client's first question entered a single-threaded one.
            IAccessible* object = accessibleOf(findControl(program.window, "sbrStatus"));
            REQUIRE(object);
            object->Release();
            CHECK(CoInitializeEx(nullptr, COINIT_MULTITHREADED) == RPC_E_CHANGED_MODE);
        }
        CHECK(CoInitializeEx(nullptr, COINIT_MULTITHREADED) == S_OK); // left as often as entered
        CoUninitialize();
    }).join();
}
