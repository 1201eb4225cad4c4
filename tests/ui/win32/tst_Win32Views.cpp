// The Win32 views driven through their windows' messages, as the system delivers a user's keys, clicks
// and pastes. The rules themselves are the core's and tested there; these check that the views pass
// events on and show the answers.
#include "core/AboutFlow.h"
#include "core/MainWindowModel.h"
#include "core/WindowTexts.h"
#include "engine/modBazelot.h"
#include "platform/Utf16.h"
#include "tests/platform/FakeLauncher.h"
#include "tests/platform/FakeRegistry.h"
#include "ui/win32/AboutDialog.h"
#include "ui/win32/Boxes.h"
#include "ui/win32/ControlTable.h"
#include "ui/win32/MainWindow.h"
#include "ui/win32/MenuBar.h"
#include "ui/win32/MessageLoop.h"

#include <doctest/doctest.h>

#include <commctrl.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr Language kLanguages[] = {Language::Russian, Language::English};

std::string text(HWND window) {
    wchar_t buffer[256] = L"";
    GetWindowTextW(window, buffer, 256);
    return platform::toUtf8(buffer);
}

// A run of the program without its message loop: each test opens the windows it needs.
struct Program {
    FakeRegistry registry; // names no system-information tool
    FakeLauncher launcher;
    Session session{GetModuleHandleW(nullptr), {registry, launcher}};

    Program() {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
        InitCommonControlsEx(&controls);
    }
    ~Program() {
        for (HWND window : mainWindows())
            DestroyWindow(window);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        }
    }

    HWND open(Language language) { return MainWindow::open(session, language, SW_SHOW); }

    static std::vector<HWND> mainWindows() {
        std::vector<HWND> windows;
        EnumThreadWindows(
            GetCurrentThreadId(),
            [](HWND window, LPARAM found) {
                wchar_t name[64] = L"";
                GetClassNameW(window, name, 64);
                if (std::wstring_view(name) == MainWindow::kClassName)
                    reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&windows));
        return windows;
    }

    // Whether the program was asked to end; takes the request off the queue.
    static bool quitPosted() {
        MSG message;
        return PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != 0;
    }
};

void type(HWND box, std::wstring_view keys) {
    for (const wchar_t key : keys)
        SendMessageW(box, WM_CHAR, key, 1);
}

void paste(HWND box, const std::wstring& clipboard) {
    REQUIRE(OpenClipboard(nullptr));
    EmptyClipboard();
    const std::size_t bytes = (clipboard.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    memcpy(GlobalLock(memory), clipboard.c_str(), bytes);
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
    SendMessageW(box, WM_PASTE, 0, 0);
}

std::string statusText(HWND window) {
    wchar_t buffer[256] = L"";
    SendMessageW(findControl(window, "sbrStatus"), SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(buffer));
    return platform::toUtf8(buffer);
}

void click(HWND window, const char* control) {
    HWND button = findControl(window, control);
    REQUIRE(button);
    SendMessageW(button, BM_CLICK, 0, 0);
}

void chooseMenuItem(HWND window, const char* item) {
    const UINT id = findMenuItem(window, item);
    REQUIRE(id != 0);
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

// Calls `act` with every modal window that comes up (a message box, an About dialog) while it is alive.
class ModalWatch {
public:
    explicit ModalWatch(std::function<void(HWND)> act)
        : m_act(std::move(act)) {
        s_current = this;
        m_hook = SetWindowsHookExW(WH_CBT, hook, nullptr, GetCurrentThreadId());
    }
    ~ModalWatch() {
        UnhookWindowsHookEx(m_hook);
        s_current = nullptr;
    }

private:
    static LRESULT CALLBACK hook(int code, WPARAM wParam, LPARAM lParam) {
        if (code == HCBT_ACTIVATE && s_current)
            s_current->m_act(reinterpret_cast<HWND>(wParam));
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    std::function<void(HWND)> m_act;
    HHOOK m_hook;
    static inline ModalWatch* s_current = nullptr;
};

std::wstring className(HWND window) {
    wchar_t name[64] = L"";
    GetClassNameW(window, name, 64);
    return name;
}

// A message box's caption and text, read before it is closed with OK.
struct Box {
    std::string caption;
    std::string text;
    bool warningIcon;
    HWND owner;
};

bool isMessageBox(HWND window) {
    return className(window) == L"#32770";
}

Box closeMessageBox(HWND box) {
    // The text is the Static with ID 65535; the icon, when there is one, a visible Static showing it.
    bool icon = false;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const LONG_PTR style = GetWindowLongPtrW(child, GWL_STYLE);
        icon = icon || ((style & SS_TYPEMASK) == SS_ICON && (style & WS_VISIBLE) &&
                        SendMessageW(child, STM_GETICON, 0, 0));
    }
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    return {text(box), text(GetDlgItem(box, 0xFFFF)), icon, GetWindow(box, GW_OWNER)};
}

// The text colour a window gives its label, as it paints it.
COLORREF textColour(HWND window, std::string_view name) {
    HWND label = findControl(window, name);
    HDC dc = CreateCompatibleDC(nullptr);
    SendMessageW(window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(label));
    const COLORREF colour = GetTextColor(dc);
    DeleteDC(dc);
    return colour;
}

} // namespace

TEST_CASE("typed letters are upper-cased, pastes are not; the box holds 15 characters, never half of one") {
    struct Row {
        const char* tag;
        const wchar_t* typed;
        const wchar_t* pasted; // null: nothing pasted
        const char* shown;
    };
    const Row rows[] = {
        {"typed hex digits", L"ff", nullptr, "FF"},
        {"typed Cyrillic", L"яф", nullptr, "ЯФ"},
        {"pasted text as it is", L"", L"ff", "ff"},
        {"paste trimmed at both ends", L"", L" \t1010\r\n", "1010"},
        {"typing stops at 15", L"1234567890ABCDEF", nullptr, "1234567890ABCDE"},
        {"a paste is cut at 15", L"12345", L"67890abcdefghij", "1234567890abcde"},
        {"a typed pair counts once", L"12345678901234\U0001F600", nullptr, "12345678901234\U0001F600"},
        {"a typed pair is refused whole", L"123456789012345\U0001F600", nullptr, "123456789012345"},
        {"an emoji paste is not split", L"12345678901234", L"\U0001F600\U0001F600",
         "12345678901234\U0001F600"},
    };
    Program program;
    HWND window = program.open(Language::Russian);
    HWND box = findControl(window, "txtValue");
    for (const Row& row : rows) {
        INFO(std::string(row.tag));
        SetWindowTextW(box, L"");
        type(box, row.typed);
        if (row.pasted)
            paste(box, row.pasted);
        CHECK(text(box) == row.shown);
    }
}

TEST_CASE("a window opens with the options the core presses checked, each the tab stop of its group") {
    for (const Language language : kLanguages) {
        Program program;
        HWND window = program.open(language);
        const MainWindowModel model(language, ".");
        for (const Control& control : model.layout().controls) {
            if (control.kind != ControlKind::Option)
                continue;
            INFO(std::string(control.name));
            HWND option = findControl(window, control.name);
            CHECK((SendMessageW(option, BM_GETCHECK, 0, 0) == BST_CHECKED) == model.isTabStop(control));
            CHECK(((GetWindowLongPtrW(option, GWL_STYLE) & WS_TABSTOP) != 0) == model.isTabStop(control));
        }
    }
}

TEST_CASE("the status bar shows each verdict, Calculate is enabled only for a number it can translate") {
    struct Row {
        const char* input; // the pressed input option
        const wchar_t* text;
        const char* WindowTexts::*status;
        bool calculate;
    };
    const Row rows[] = {
        {"optSysInp_0", L"255", &WindowTexts::accepted, true},
        {"optSysInp_0", L"2,5", &WindowTexts::notNumber, false},
        {"optSysInp_1", L"102", &WindowTexts::notBinary, false},
        {"optSysInp_2", L"19", &WindowTexts::notOctal, false},
        {"optSysInp_3", L"FG", &WindowTexts::notHexadecimal, false},
        {"optSysInp_3", L"", &WindowTexts::ready, false},
    };
    for (const Language language : kLanguages) {
        for (const Row& row : rows) {
            INFO(platform::toUtf8(row.text));
            INFO(std::string(row.input));
            Program program;
            HWND window = program.open(language);
            click(window, row.input);
            SetWindowTextW(findControl(window, "txtValue"), row.text);
            CHECK(statusText(window) == windowTexts(language).*row.status);
            CHECK(IsWindowEnabled(findControl(window, "cmdCalculate")) == row.calculate);
        }
    }
}

TEST_CASE("the status bar: room for its lines of text, below the buttons, at the bottom, at any DPI") {
    for (const Language language : kLanguages) {
        const WindowLayout& layout = mainWindowLayout(language);
        const int lines = std::find_if(layout.controls.begin(), layout.controls.end(), [](const Control& c) {
                              return c.kind == ControlKind::StatusBar;
                          })->textLines;
        REQUIRE(lines > 0);
        // 192 would not fit the null driver's screen of 1024 by 768: the window could not grow.
        for (const int dpi : {96, 144}) {
            INFO(dpi);
            Program program;
            HWND window = program.open(language);
            RECT suggested{};
            SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
            HWND bar = findControl(window, "sbrStatus");
            RECT client{};
            RECT box{};
            RECT exit{};
            RECT panel{};
            GetClientRect(window, &client);
            GetWindowRect(bar, &box);
            MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&box), 2);
            GetWindowRect(findControl(window, "cmdExit"), &exit);
            MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&exit), 2);
            // Painted, the bar lays out the panel that it hands over for the text.
            HDC dc = CreateCompatibleDC(nullptr);
            SendMessageW(bar, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
            SendMessageW(bar, SB_GETRECT, 0, reinterpret_cast<LPARAM>(&panel));
            SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(bar, WM_GETFONT, 0, 0)));
            TEXTMETRICW font{};
            GetTextMetricsW(dc, &font);
            DeleteDC(dc);
            CHECK(panel.bottom - panel.top >= lines * font.tmHeight + 2); // and the panel's edge
            CHECK(box.top >= exit.bottom);
            CHECK(box.bottom == client.bottom);
            CHECK(box.right - box.left == client.right);
        }
    }
}

TEST_CASE("Calculate shows the translation; a failure shows the engine's box and empties the result") {
    struct Row {
        const char* input;
        const char* output;
        const wchar_t* text;
        const char* result;
        const char* boxEnd; // null: no box
    };
    const Row rows[] = {
        {"optSysInp_0", "optSysOut_1", L"255", "11111111", nullptr},
        {"optSysInp_3", "optSysOut_0", L"ff", "255", nullptr},
        {"optSysInp_0", "optSysOut_3", L"2147483648", "", "Overflow #6"},
    };
    for (const Row& row : rows) {
        INFO(platform::toUtf8(row.text));
        Program program;
        HWND window = program.open(Language::English);
        click(window, "optSysInp_0");
        SetWindowTextW(findControl(window, "txtValue"), L"1");
        click(window, "cmdCalculate");
        REQUIRE(text(findControl(window, "txtResult")) == "1");
        click(window, row.input);
        click(window, row.output);
        SetWindowTextW(findControl(window, "txtValue"), row.text);
        std::vector<Box> boxes;
        {
            ModalWatch watch([&](HWND modal) {
                if (isMessageBox(modal))
                    boxes.push_back(closeMessageBox(modal));
            });
            click(window, "cmdCalculate");
        }
        CHECK(text(findControl(window, "txtResult")) == row.result);
        REQUIRE(boxes.size() == (row.boxEnd ? 1u : 0u));
        if (row.boxEnd) {
            CHECK(boxes[0].caption == modBazelot::kErrorTitle);
            CHECK(boxes[0].text.ends_with(row.boxEnd));
            CHECK(boxes[0].text.find("\r\n") != std::string::npos);
            CHECK(boxes[0].warningIcon);
            CHECK(boxes[0].owner == window);
        }
    }
}

TEST_CASE("keys: focus starts in the input box, Tab and arrows follow the groups, Enter presses the focused "
          "button only") {
    struct Row {
        const char* tag;
        const char* focus;
        UINT key;
        const char* focusAfter;
        const char* result;
        const char* WindowTexts::*status;
    };
    const Row rows[] = {
        {"Enter on Calculate", "cmdCalculate", VK_RETURN, "cmdCalculate", "11111111", &WindowTexts::accepted},
        {"Enter in the input box", "txtValue", VK_RETURN, "txtValue", "", &WindowTexts::accepted},
        {"Tab into the input group", "txtValue", VK_TAB, "optSysInp_0", "", &WindowTexts::accepted},
        {"Tab past the group", "optSysInp_0", VK_TAB, "txtResult", "", &WindowTexts::accepted},
        {"arrow within the group", "optSysInp_0", VK_DOWN, "optSysInp_1", "", &WindowTexts::notBinary},
    };
    for (const Row& row : rows) {
        INFO(std::string(row.tag));
        Program program;
        HWND window = program.open(Language::Russian);
        CHECK(GetFocus() == findControl(window, "txtValue"));
        SetWindowTextW(findControl(window, "txtValue"), L"255");
        SetFocus(findControl(window, row.focus));
        REQUIRE(GetFocus() == findControl(window, row.focus));
        MSG key{GetFocus(), WM_KEYDOWN, row.key, 1, 0, {}};
        dispatchMessage(key);
        CHECK(GetFocus() == findControl(window, row.focusAfter));
        CHECK(text(findControl(window, "txtResult")) == row.result);
        CHECK(statusText(window) == russianTexts.*row.status);
    }
}

TEST_CASE("Calculate and Exit carry their tool tips") {
    struct Row {
        const char* button;
        const char* WindowTexts::*tip;
    };
    const Row rows[] = {{"cmdCalculate", &WindowTexts::calculateTip}, {"cmdExit", &WindowTexts::exitTip}};
    for (const Language language : kLanguages) {
        Program program;
        HWND window = program.open(language);
        // The tips are made when the mouse first comes over the window.
        RECT button{};
        GetWindowRect(findControl(window, rows[0].button), &button);
        INPUT move{};
        move.type = INPUT_MOUSE;
        move.mi.dx = MulDiv(button.left + 2, 65536, GetSystemMetrics(SM_CXSCREEN));
        move.mi.dy = MulDiv(button.top + 2, 65536, GetSystemMetrics(SM_CYSCREEN));
        move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
        REQUIRE(SendInput(1, &move, sizeof move) == 1);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            dispatchMessage(message);
        HWND tips = FindWindowExW(nullptr, nullptr, TOOLTIPS_CLASSW, nullptr);
        while (tips && GetWindow(tips, GW_OWNER) != window)
            tips = FindWindowExW(nullptr, tips, TOOLTIPS_CLASSW, nullptr);
        REQUIRE(tips);
        for (const Row& row : rows) {
            INFO(std::string(row.button));
            wchar_t tip[80] = L"";
            TOOLINFOW tool{};
            tool.cbSize = TTTOOLINFOW_V2_SIZE;
            tool.hwnd = window;
            tool.uId = reinterpret_cast<UINT_PTR>(findControl(window, row.button));
            tool.lpszText = tip;
            SendMessageW(tips, TTM_GETTEXTW, 80, reinterpret_cast<LPARAM>(&tool));
            CHECK(platform::toUtf8(tip) == windowTexts(language).*row.tip);
        }
    }
}

TEST_CASE("the language switch, Exit and File > Exit") {
    struct Row {
        const char* tag;
        Language language;
        const char* menuItem; // null: click this button instead
        const char* button;
        std::string_view windowLeft; // empty: none
        bool quit;
    };
    const Row rows[] = {
        {"to English", Language::Russian, "mnuEnglish", nullptr, mainWindowLayout(Language::English).name,
         false},
        {"to Russian", Language::English, "mnuRussian", nullptr, mainWindowLayout(Language::Russian).name,
         false},
        {"its own language", Language::Russian, "mnuRussian", nullptr,
         mainWindowLayout(Language::Russian).name, false},
        {"Exit", Language::English, nullptr, "cmdExit", {}, true},
        {"File > Exit", Language::Russian, "mnuExit", nullptr, mainWindowLayout(Language::Russian).name,
         true},
    };
    for (const Row& row : rows) {
        INFO(std::string(row.tag));
        Program program;
        HWND window = program.open(row.language);
        SetWindowPos(window, nullptr, 123, 45, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        if (row.menuItem)
            chooseMenuItem(window, row.menuItem);
        else
            click(window, row.button);
        const std::vector<HWND> left = Program::mainWindows();
        REQUIRE(left.size() == (row.windowLeft.empty() ? 0u : 1u));
        if (!left.empty()) {
            CHECK(windowName(left[0]) == row.windowLeft);
            RECT frame{};
            GetWindowRect(left[0], &frame);
            CHECK(frame.left == 123);
            CHECK(frame.top == 45);
        }
        CHECK(program.session.openWindows == static_cast<int>(left.size()));
        CHECK(Program::quitPosted() == row.quit);
    }
}

TEST_CASE("the program ends with its last window") {
    Program program;
    HWND russian = program.open(Language::Russian);
    HWND english = program.open(Language::English);
    click(russian, "cmdExit");
    CHECK_FALSE(Program::quitPosted());
    SendMessageW(english, WM_CLOSE, 0, 0);
    CHECK(Program::mainWindows().empty());
    CHECK(Program::quitPosted());
}

TEST_CASE("the box of an unforeseen failure speaks the language of the window where it happened") {
    for (const Language language : kLanguages) {
        Program program;
        HWND window = program.open(language);
        for (HWND owner : {window, findControl(window, "txtValue")}) {
            std::vector<Box> boxes;
            {
                ModalWatch watch([&](HWND modal) {
                    if (isMessageBox(modal))
                        boxes.push_back(closeMessageBox(modal));
                });
                showFailure(owner, "bad_alloc");
            }
            REQUIRE(boxes.size() == 1);
            CHECK(boxes[0].caption == kApplicationTitle);
            CHECK(boxes[0].text == std::string(windowTexts(language).unexpectedFailure) + "bad_alloc");
        }
    }
}

TEST_CASE("the About dialog: modal, Enter and Esc close it, System Info says when it is unavailable") {
    struct Row {
        const char* tag;
        UINT key;           // sent to the dialog's focused control
        const char* button; // or this button clicked first, then Esc
        bool unavailableBox;
    };
    const Row rows[] = {
        {"Enter", VK_RETURN, nullptr, false},
        {"Esc", VK_ESCAPE, nullptr, false},
        {"System Info", VK_ESCAPE, "cmdSysInfo", true},
    };
    for (const Language language : kLanguages) {
        for (const Row& row : rows) {
            INFO(std::string(row.tag));
            Program program;
            HWND window = program.open(language);
            HWND focus = findControl(window, "optSysOut_1");
            SetFocus(focus);
            HWND about = nullptr;
            std::string_view aboutName;
            bool ownerDisabled = false;
            COLORREF titleColour = 0;
            std::vector<Box> boxes;
            static HWND s_about;
            static HWND s_box;
            static int s_ticks;
            static HWND s_focusAfterBox;
            HWND sysInfo = nullptr;
            {
                ModalWatch watch([&](HWND modal) {
                    if (isMessageBox(modal)) {
                        boxes.push_back(closeMessageBox(modal));
                        // Once the box is gone and the dialog active again: where the dialog has its
                        // focus. Wine hands activation back a moment after the box ends, so the focus
                        // is read when it has landed somewhere, or after five seconds without any.
                        s_about = about;
                        s_box = modal;
                        s_ticks = 0;
                        SetTimer(nullptr, 0, 10, [](HWND, UINT, UINT_PTR timer, DWORD) {
                            if ((IsWindow(s_box) || !GetFocus()) && ++s_ticks < 500)
                                return;
                            KillTimer(nullptr, timer);
                            s_focusAfterBox = GetFocus();
                            PostMessageW(s_about, WM_KEYDOWN, VK_ESCAPE, 1);
                        });
                    } else if (className(modal) == kAboutClassName && !about) {
                        about = modal;
                        aboutName = windowName(about);
                        ownerDisabled = !IsWindowEnabled(window);
                        titleColour = textColour(about, aboutLayout(language).controls.front().name);
                        sysInfo = findControl(about, "cmdSysInfo");
                        if (row.button)
                            PostMessageW(findControl(about, row.button), BM_CLICK, 0, 0);
                        else
                            PostMessageW(findControl(about, "cmdOK"), WM_KEYDOWN, row.key, 1);
                    }
                });
                chooseMenuItem(window, "mnuAbout");
            }
            REQUIRE(about);
            CHECK(aboutName == aboutLayout(language).name);
            CHECK(ownerDisabled);
            CHECK(titleColour == RGB(255, 0, 0));
            CHECK_FALSE(IsWindow(about));
            CHECK(IsWindowEnabled(window));
            CHECK(GetFocus() == focus);
            REQUIRE(boxes.size() == (row.unavailableBox ? 1u : 0u));
            if (row.unavailableBox) {
                CHECK(boxes[0].caption == kApplicationTitle);
                CHECK(boxes[0].text == kSysInfoUnavailable);
                CHECK_FALSE(boxes[0].warningIcon);
                CHECK(boxes[0].owner == about);
                CHECK(s_focusAfterBox == sysInfo);
            }
        }
    }
}

TEST_CASE("a move to a screen of 192 DPI: live fonts of the new size, and the About rule stays one rule") {
    Program program;
    HWND window = program.open(Language::Russian);
    struct Seen {
        bool fontsLive = true;
        int ruleTop = 0, ruleBottom = 0, lowerTop = 0, lowerBottom = 0;
        LONG okHeight = 0;
    } seen;
    const auto moveTo192 = [](HWND top) {
        RECT suggested{10, 10, 500, 500};
        SendMessageW(top, WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&suggested));
    };
    const auto fontsLive = [](HWND top) {
        bool live = true;
        for (HWND child = GetWindow(top, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            LOGFONTW font{};
            auto* handle = reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0));
            live = live && handle && GetObjectW(handle, sizeof font, &font) == sizeof font &&
                   font.lfHeight <= -21;
        }
        return live;
    };
    moveTo192(window);
    seen.fontsLive = fontsLive(window);
    {
        ModalWatch watch([&](HWND about) {
            if (className(about) != kAboutClassName)
                return;
            moveTo192(about);
            seen.fontsLive = seen.fontsLive && fontsLive(about);
            RECT upper{}, lower{};
            GetWindowRect(findControl(about, "Line1_1"), &upper);
            GetWindowRect(findControl(about, "Line1_0"), &lower);
            LOGFONTW ok{};
            GetObjectW(reinterpret_cast<HFONT>(SendMessageW(findControl(about, "cmdOK"), WM_GETFONT, 0, 0)),
                       sizeof ok, &ok);
            seen = {seen.fontsLive, upper.top, upper.bottom, lower.top, lower.bottom, ok.lfHeight};
            PostMessageW(findControl(about, "cmdOK"), WM_KEYDOWN, VK_ESCAPE, 1);
        });
        chooseMenuItem(window, "mnuAbout");
    }
    // 8 points at 192 DPI are 21 pixels high; the grey line's 1 pixel is 2, the white line's 2 are 4,
    // and the white one starts where the grey one ends.
    CHECK(seen.fontsLive);
    CHECK(seen.okHeight == -21); // the system's 8 points, not scaled twice
    CHECK(seen.ruleBottom - seen.ruleTop == 2);
    CHECK(seen.lowerBottom - seen.lowerTop == 4);
    CHECK(seen.lowerTop == seen.ruleBottom);
}
