#pragma once

#include "core/MainWindowModel.h"
#include "platform/PlatformServices.h"
#include "ui/win32/Accessible.h"
#include "ui/win32/TableWindow.h"

#include <windows.h>

// What the main windows of one run share. It must outlive them all: the program ends when the last
// one is closed.
struct Session {
    HINSTANCE instance;
    platform::PlatformServices services;
    int openWindows = 0;
    const Accessible::Notifier* notifier = nullptr; // null: the system's
};

// The main window's view, shared by both languages: it builds its controls and menus from the core's
// layout table, forwards every event to the model and applies the change the model answers.
class MainWindow : public TableWindow {
public:
    static constexpr wchar_t kClassName[] = L"BazelotMainWindow";

    // Builds the window of this language and shows it as `show` asks, at topLeft when given. The
    // window owns its view, which goes when the window is destroyed.
    static HWND open(Session& session, Language language, int show, const POINT* topLeft = nullptr);

private:
    // Posted to a window opened by the language switch once it is shown and focused: the status the user
    // last heard was the other window's, so the new one tells its own after the screen reader has
    // presented the window.
    static constexpr UINT kReplacedWindowShown = WM_APP + 1;

    MainWindow(Session& session, Language language);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void command(WPARAM wParam) override;
    FocusKeeper& focusKeeper() override { return m_model.focus(); }
    void build(const POINT* topLeft);
    void controlCommand(const Control& control, WORD notification);
    void apply(const WindowChange& change);
    void announce(const Announcement& announcement);
    void applyTabStops();

    Session& m_session;
    MainWindowModel m_model;
};
