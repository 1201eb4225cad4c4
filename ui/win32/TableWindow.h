#pragma once

#include "core/Focus.h"
#include "core/Language.h"
#include "ui/win32/ControlTable.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <string_view>

// What the main window and the About dialog share, the way the platform's own samples write a window:
// one static window procedure finds the object (handed over at WM_NCCREATE, kept in the window's user
// data) and calls its handleMessage, where what both windows do alike is written once (default button,
// static colours, activation and focus memory, tool tips, DPI change, closing). The object is released
// when the window has gone (WM_NCDESTROY) and nothing is running in it any more.
//
// A modal loop of the program's own (a box, a dialog) lets any message in. A close request meanwhile is
// refused, as a toolkit's modal dialog does; should the window go another way, the object is held until
// the loop has returned, and the code after it learns so from runModal.
class TableWindow {
public:
    virtual ~TableWindow() = default;
    TableWindow(const TableWindow&) = delete;
    TableWindow& operator=(const TableWindow&) = delete;

    // The object of one of this program's table-built windows; null for any other window.
    static TableWindow* of(HWND window);

    Language language() const { return m_language; }
    // Runs one of the program's own modal loops over this window. False when the window went meanwhile:
    // its controls are gone, and the object lasts only until the window procedure's call that ran the
    // loop returns (at once, outside any).
    bool runModal(const std::function<void()>& loop);

protected:
    explicit TableWindow(Language language)
        : m_language(language) {}

    // Registers the window class once, with this procedure.
    static void registerClass(HINSTANCE instance, const wchar_t* className, HICON icon = nullptr);
    // Creates the window with its layout's caption and menu bar; it takes the object over. Null when no
    // window came to be.
    static HWND create(std::unique_ptr<TableWindow> object, DWORD exStyle, const wchar_t* className,
                       const WindowLayout& layout, DWORD style, HWND owner, HINSTANCE instance);
    // Builds the window's controls from its layout table, with the options that `pressed` names checked.
    void buildControls(const WindowLayout& layout, const ControlTable::Pressed& pressed = {});

    // The messages both windows handle alike; everything else goes to the system. A window's own
    // handleMessage takes its messages first and hands the rest on here.
    virtual LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // A WM_COMMAND other than a control's report that it took or lost the focus.
    virtual void command(WPARAM wParam) = 0;
    // A close request (the close box, Alt+F4, End task) outside the program's own modal loops.
    virtual void close() { DestroyWindow(m_window); }
    virtual FocusKeeper& focusKeeper() = 0;

    bool alive() const { return m_window != nullptr; }
    // Tells the focus keeper which control has the focus, before another window takes it.
    void rememberFocus();

    HWND m_window = nullptr; // null once the window has gone
    std::unique_ptr<ControlTable> m_controls;

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // Deletes the object once its window has gone and no call into it is running.
    void releaseWhenDone();

    Language m_language;
    int m_running = 0;    // calls of the window procedure and modal loops under way in this object
    int m_modalLoops = 0; // of those, the program's own modal loops
};
