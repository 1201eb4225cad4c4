#pragma once

#include "core/Focus.h"
#include "core/InputCheck.h"
#include "core/Language.h"
#include "core/Layout.h"
#include "core/Message.h"
#include "core/SystemOption.h"
#include "engine/modBazelot.h"

#include <optional>
#include <string>
#include <string_view>

// News for a screen reader: the control whose new content it is, and the words to say.
struct Announcement {
    ControlRole control; // Status or ResultBox
    std::string text;

    bool operator==(const Announcement&) const = default;
};

// What a view must change after an event, in the order given; everything left empty stays as it is.
struct WindowChange {
    std::optional<std::string> status = {}; // the status panel's new text
    std::optional<bool> calculateEnabled = {};
    std::optional<std::string> result = {}; // the result box's new text
    std::optional<Announcement> announcement = {};
    bool showAbout = false;                     // show this window's About dialog modally
    std::optional<std::string_view> focus = {}; // the control to focus, once any modal window has closed
    std::optional<Language> open = {}; // show a new main window of this language, before closing this one
    bool close = false;                // close this window; the program ends with its last window
    bool quit = false;                 // end the program at once
};

// The behaviour of one main window, either language, without any toolkit: the view forwards each event
// and applies the change it gets back.
class MainWindowModel {
public:
    using NumeralSystem = modBazelot::NumeralSystem;

    struct State {
        NumeralSystem sInp = 10; // radix of the input system, never a button index
        NumeralSystem sOut = 2;
        std::optional<SystemOption> pressedInput = SystemOption::Decimal;
        std::optional<SystemOption> pressedOutput = SystemOption::Binary;
        std::string input;
        std::string status;
        bool calculateEnabled = false;
        std::string result;
    };

    // decimalSeparator is the one of the user's locale.
    explicit MainWindowModel(Language language, std::string decimalSeparator = ".");

    Language language() const { return m_language; }
    const WindowLayout& layout() const { return mainWindowLayout(m_language); }

    // The state a freshly loaded window shows; afterwards, what the view shows.
    const State& state() const { return m_state; }
    NumeralSystem sInp() const { return m_state.sInp; }
    void setSInp(NumeralSystem radix) { m_state.sInp = radix; }
    NumeralSystem sOut() const { return m_state.sOut; }
    void setSOut(NumeralSystem radix) { m_state.sOut = radix; }

    // The view reports every control that takes the focus; the focus answers follow from it.
    FocusKeeper& focus() { return m_focus; }
    // What a screen reader says of a control and how it describes it, in the window's language: the
    // status bar is named by the status. A new status is news for the screen reader through the
    // change's announcement only: a description would stay on the input box after the news is old.
    std::string accessibleName(const Control& control) const;
    std::string accessibleDescription(const Control& control) const;
    // Tab enters an option group at its pressed option, and stops at every other focusable control.
    bool isTabStop(const Control& control) const;

    WindowChange txtValue_Change(std::string text);
    // pressed tells whether the option is pressed after the click (a radio button also reports its
    // release when another one of its group is pressed).
    WindowChange optSysInp_Click(SystemOption option, bool pressed);
    WindowChange optSysOut_Click(SystemOption option, bool pressed);
    // Failure boxes of the translation go through show before this returns.
    WindowChange cmdCalculate_Click(const ShowBox& show);
    WindowChange cmdExit_Click();
    WindowChange menuCommand(MenuCommand command);
    // The window opened in place of the other language's has become active: the status the user last
    // heard was that window's, so this one's is news.
    WindowChange replacedWindowActivated() const;

private:
    void Form_Load();
    WindowChange CheckInput();

    Language m_language;
    std::string m_decimalSeparator;
    State m_state;
    FocusKeeper m_focus{layout()};
};
