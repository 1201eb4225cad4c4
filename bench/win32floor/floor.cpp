// The Windows floor: a bare Win32 window with the main window's kinds of controls (a menu, an EDIT and
// four radio buttons in each of two group boxes, two buttons, a status bar) and no logic. Whatever
// prjBazelot.exe costs beyond this window is its own.
#include <windows.h>

#include <commctrl.h>

namespace {

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND child(HWND parent, const wchar_t* className, const wchar_t* text, DWORD style, int x, int y, int width,
           int height) {
    HWND control = CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height,
                                   parent, nullptr, nullptr, nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), TRUE);
    return control;
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int nCmdShow) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"BazelotFloor";
    RegisterClassW(&windowClass);

    HMENU menu = CreateMenu();
    HMENU file = CreatePopupMenu();
    AppendMenuW(file, MF_STRING, 1, L"E&xit");
    AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
    HMENU language = CreatePopupMenu();
    AppendMenuW(language, MF_STRING, 2, L"&Russian");
    AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(language), L"&Language");
    AppendMenuW(menu, MF_STRING, 3, L"&About");

    HWND window =
        CreateWindowExW(0, windowClass.lpszClassName, L"Floor", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                        CW_USEDEFAULT, CW_USEDEFAULT, 420, 300, nullptr, menu, instance, nullptr);
    const wchar_t* captions[] = {L"&Decimal", L"&Binary", L"&Octa", L"&Hexadecimal"};
    for (int group = 0; group < 2; ++group) {
        const int left = 8 + group * 200;
        child(window, L"BUTTON", group == 0 ? L"Input" : L"Output", BS_GROUPBOX, left, 8, 190, 170);
        child(window, L"EDIT", L"", WS_BORDER | ES_AUTOHSCROLL | WS_TABSTOP, left + 8, 28, 174, 22);
        for (int i = 0; i < 4; ++i)
            child(window, L"BUTTON", captions[i], BS_AUTORADIOBUTTON | (i == 0 ? WS_GROUP | WS_TABSTOP : 0),
                  left + 8, 58 + i * 28, 174, 24);
    }
    child(window, L"BUTTON", L"&Calculate", BS_PUSHBUTTON | WS_TABSTOP, 8, 190, 190, 28);
    child(window, L"BUTTON", L"E&xit", BS_PUSHBUTTON | WS_TABSTOP, 208, 190, 190, 28);
    child(window, STATUSCLASSNAMEW, L"Ready", 0, 0, 0, 0, 0);

    ShowWindow(window, nCmdShow);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageW(window, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}
