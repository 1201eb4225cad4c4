#include "core/MainWindowModel.h"
#include "core/WindowTexts.h"

#include <doctest/doctest.h>

#include <string>
#include <vector>

namespace {

constexpr Language kLanguages[] = {Language::Russian, Language::English};

const char* name(Language language) {
    return language == Language::Russian ? "Russian" : "English";
}

// Records the failure boxes instead of showing them.
struct Boxes {
    std::vector<std::string> prompts;
    std::vector<MessageIcon> icons;
    ShowBox show() {
        return [this](const Message& box) {
            prompts.push_back(box.text);
            icons.push_back(box.icon);
        };
    }
};

// A window after the user pressed these options and typed the text, as a view would report it.
MainWindowModel typed(Language language, SystemOption input, const std::string& text,
                      SystemOption output = SystemOption::Binary) {
    MainWindowModel model(language);
    model.optSysInp_Click(SystemOption::Decimal, false);
    model.optSysInp_Click(input, true);
    model.optSysOut_Click(SystemOption::Binary, false);
    model.optSysOut_Click(output, true);
    model.txtValue_Change(text);
    return model;
}

} // namespace

TEST_CASE("a loaded window") {
    for (const Language language : kLanguages) {
        CAPTURE(name(language));
        const MainWindowModel model(language);
        CHECK(model.sInp() == 10);
        CHECK(model.sOut() == 2);
        CHECK(model.state().pressedInput == SystemOption::Decimal);
        CHECK(model.state().pressedOutput == SystemOption::Binary);
        CHECK(model.state().status == "Ready");
        CHECK_FALSE(model.state().calculateEnabled);
        CHECK(model.state().result.empty());
        CHECK(model.layout().name == (language == Language::Russian ? "frmBazelot_rus" : "frmBazelot"));
    }
}

TEST_CASE("each verdict sets the status in the window's language and Calculate") {
    struct Row {
        const char* tag;
        SystemOption system;
        const char* text;
        const char* WindowTexts::*status;
    };
    const Row rows[] = {
        {"decimal 255", SystemOption::Decimal, "255", &WindowTexts::accepted},
        {"decimal -5", SystemOption::Decimal, "-5", &WindowTexts::notNumber},
        {"binary 1011", SystemOption::Binary, "1011", &WindowTexts::accepted},
        {"binary 102", SystemOption::Binary, "102", &WindowTexts::notBinary},
        {"binary 10a", SystemOption::Binary, "10a", &WindowTexts::notNumber},
        {"octal 777", SystemOption::Octal, "777", &WindowTexts::accepted},
        {"octal 78", SystemOption::Octal, "78", &WindowTexts::notOctal},
        {"hex ff", SystemOption::Hexadecimal, "ff", &WindowTexts::accepted},
        {"hex ZZ", SystemOption::Hexadecimal, "ZZ", &WindowTexts::notHexadecimal},
    };
    for (const Language language : kLanguages) {
        for (const Row& row : rows) {
            CAPTURE(name(language));
            CAPTURE(row.tag);
            MainWindowModel model = typed(language, row.system, "");
            const WindowChange change = model.txtValue_Change(row.text);
            const bool accepted = row.status == &WindowTexts::accepted;
            CHECK(change.status == std::string(windowTexts(language).*row.status));
            CHECK(change.calculateEnabled == accepted);
            CHECK(model.state().calculateEnabled == accepted);
            CHECK_FALSE(change.result);
        }
    }
}

TEST_CASE("an empty input only disables Calculate; no pressed option changes nothing") {
    MainWindowModel model(Language::English);
    WindowChange change = model.optSysOut_Click(SystemOption::Hexadecimal, true);
    CHECK_FALSE(change.status);
    CHECK(change.calculateEnabled == false);
    CHECK(model.state().status == "Ready");

    model.txtValue_Change("9");
    change = model.txtValue_Change("");
    CHECK_FALSE(change.status);
    CHECK(change.calculateEnabled == false);
    CHECK(model.state().status == englishTexts.accepted);

    model.txtValue_Change("9");
    change = model.optSysInp_Click(SystemOption::Decimal, false);
    CHECK_FALSE(change.status);
    CHECK_FALSE(change.calculateEnabled);
    CHECK(model.state().calculateEnabled);
}

TEST_CASE("an option stores its radix, and a new input system checks again") {
    for (const SystemOption option : kSystemOptions) {
        MainWindowModel model(Language::English);
        model.optSysInp_Click(option, true);
        CHECK(model.sInp() == radixOf(option));
        CHECK(model.sOut() == 2);
        model.optSysOut_Click(option, true);
        CHECK(model.sOut() == radixOf(option));
    }
    CHECK(radixOf(SystemOption::Binary) == 2);
    CHECK(radixOf(SystemOption::Hexadecimal) == 16);

    MainWindowModel model = typed(Language::Russian, SystemOption::Decimal, "102");
    CHECK(model.state().calculateEnabled);
    CHECK(model.optSysInp_Click(SystemOption::Binary, true).status == std::string(russianTexts.notBinary));
    CHECK(model.optSysOut_Click(SystemOption::Decimal, true).status == std::string(russianTexts.notBinary));
}

TEST_CASE("Calculate shows the translation; a failure empties the result") {
    struct Row {
        const char* tag;
        SystemOption from;
        const char* text;
        SystemOption to;
        const char* result;
        const char* box;
    };
    const Row rows[] = {
        {"decimal 255 to hex", SystemOption::Decimal, "255", SystemOption::Hexadecimal, "FF", nullptr},
        {"decimal 255 to octal", SystemOption::Decimal, "255", SystemOption::Octal, "377", nullptr},
        {"hex ABC to octal", SystemOption::Hexadecimal, "ABC", SystemOption::Octal, "5274", nullptr},
        {"hex 1E5 to binary", SystemOption::Hexadecimal, "1E5", SystemOption::Binary, "111100101", nullptr},
        {"octal 0 to decimal", SystemOption::Octal, "0", SystemOption::Decimal, "0", nullptr},
        {"decimal 0123 to decimal", SystemOption::Decimal, "0123", SystemOption::Decimal, "123", nullptr},
        {"decimal largest to binary", SystemOption::Decimal, "2147483647", SystemOption::Binary,
         "1111111111111111111111111111111", nullptr},
        {"decimal 2147483648", SystemOption::Decimal, "2147483648", SystemOption::Binary, "", "Overflow #6"},
        {"hex 80000000", SystemOption::Hexadecimal, "80000000", SystemOption::Decimal, "", "Overflow #6"},
        {"fifteen nines", SystemOption::Decimal, "999999999999999", SystemOption::Hexadecimal, "",
         "Overflow #6"},
    };
    for (const Row& row : rows) {
        CAPTURE(row.tag);
        MainWindowModel model = typed(Language::Russian, row.from, "1", row.to);
        Boxes boxes;
        model.cmdCalculate_Click(boxes.show());
        REQUIRE(model.state().result == "1");
        model.txtValue_Change(row.text);
        const std::string statusBefore = model.state().status;
        const WindowChange change = model.cmdCalculate_Click(boxes.show());
        CHECK(change.result == std::string(row.result));
        // A translation touches neither the status nor Calculate.
        CHECK_FALSE(change.status);
        CHECK_FALSE(change.calculateEnabled);
        CHECK(model.state().status == statusBefore);
        REQUIRE(boxes.prompts.size() == (row.box ? 1u : 0u));
        if (row.box) {
            CHECK(boxes.prompts.front().ends_with(row.box));
            CHECK(boxes.icons.front() == MessageIcon::Warning);
        }
        // A new result is news even when it is the old one; an emptied box is said in words.
        const std::string spoken =
            *row.result ? russianTexts.resultSpoken + std::string(row.result) : russianTexts.resultEmptied;
        CHECK(change.announcement == Announcement{ControlRole::ResultBox, spoken});
        // After a box the focus goes back where it was.
        CHECK(change.focus == (row.box ? std::optional<std::string_view>("txtValue") : std::nullopt));
    }
}

TEST_CASE("the last result stands until Calculate is pressed again") {
    MainWindowModel model = typed(Language::English, SystemOption::Decimal, "5");
    Boxes boxes;
    model.cmdCalculate_Click(boxes.show());
    CHECK(model.txtValue_Change("50").result == std::nullopt);
    CHECK(model.optSysOut_Click(SystemOption::Hexadecimal, true).result == std::nullopt);
    CHECK(model.state().result == "101");
    CHECK(model.cmdCalculate_Click(boxes.show()).result == "32");
}

TEST_CASE("menu items, Exit and the language switch") {
    for (const Language language : kLanguages) {
        CAPTURE(name(language));
        const Language other = language == Language::Russian ? Language::English : Language::Russian;
        const MenuCommand own = language == Language::Russian ? MenuCommand::Russian : MenuCommand::English;
        const MenuCommand switchTo =
            language == Language::Russian ? MenuCommand::English : MenuCommand::Russian;
        MainWindowModel model = typed(language, SystemOption::Binary, "101");

        const WindowChange nothing = model.menuCommand(own);
        CHECK_FALSE(nothing.open);
        CHECK_FALSE(nothing.close);
        CHECK(model.state().input == "101");

        const WindowChange switched = model.menuCommand(switchTo);
        CHECK(switched.open == other);
        CHECK(switched.close);
        CHECK_FALSE(switched.quit);
        // The new window's status is news once it is active.
        const MainWindowModel opened(other);
        CHECK(opened.replacedWindowActivated().announcement ==
              Announcement{ControlRole::Status, windowTexts(other).ready});

        CHECK(model.menuCommand(MenuCommand::Exit).quit);
        CHECK(model.menuCommand(MenuCommand::About).showAbout);
        const WindowChange exit = model.cmdExit_Click();
        CHECK(exit.close);
        CHECK_FALSE(exit.quit);
    }
}

TEST_CASE("both languages' tables fill every field and hold the same controls") {
    for (const auto layoutOf : {&mainWindowLayout, &aboutLayout}) {
        const WindowLayout& ru = layoutOf(Language::Russian);
        const WindowLayout& en = layoutOf(Language::English);
        CAPTURE(en.name);
        CHECK_FALSE(ru.caption.empty());
        CHECK(ru.caption != en.caption);
        REQUIRE(ru.controls.size() == en.controls.size());
        REQUIRE(ru.menu.size() == en.menu.size());
        for (std::size_t i = 0; i < en.controls.size(); ++i) {
            const Control& r = ru.controls[i];
            const Control& e = en.controls[i];
            CAPTURE(e.name);
            CHECK((r.kind == e.kind && r.role == e.role && r.tabIndex == e.tabIndex && r.parent == e.parent));
            if (e.kind == ControlKind::Option)
                CHECK((r.box.left == e.box.left && r.box.top == e.box.top && r.box.height == e.box.height));
            const bool captioned = e.kind != ControlKind::TextBox && e.kind != ControlKind::Line;
            CHECK(captioned != r.text.empty());
            CHECK(captioned != e.text.empty());
            CHECK((e.kind == ControlKind::Button && layoutOf == &mainWindowLayout) != e.toolTip.empty());
        }
        for (std::size_t i = 0; i < en.menu.size(); ++i) {
            CHECK(ru.menu[i].name == en.menu[i].name);
            CHECK((!ru.menu[i].text.empty() && !en.menu[i].text.empty()));
        }
    }
    for (const Language language : kLanguages) {
        const WindowTexts& texts = windowTexts(language);
        for (const char* text : {texts.accepted, texts.notNumber, texts.notBinary, texts.notOctal,
                                 texts.notHexadecimal, texts.unexpectedFailure})
            CHECK(std::string(text).size() > 0);
    }
}

TEST_CASE("what a screen reader hears: a status is announced when it changes, in the window's language") {
    struct Row {
        const char* tag;
        SystemOption system;
        const char* before;
        const char* typed;
        bool announced;
    };
    const Row rows[] = {
        {"Ready to accepted", SystemOption::Decimal, "", "5", true},
        {"accepted to refused", SystemOption::Binary, "1", "12", true},
        {"same verdict again", SystemOption::Decimal, "5", "55", false},
        {"emptied: the status stays", SystemOption::Decimal, "5", "", false},
    };
    for (const Language language : kLanguages) {
        for (const Row& row : rows) {
            CAPTURE(name(language));
            CAPTURE(row.tag);
            MainWindowModel model = typed(language, row.system, row.before);
            const WindowChange change = model.txtValue_Change(row.typed);
            CHECK(change.announcement.has_value() == row.announced);
            if (row.announced)
                CHECK(change.announcement == Announcement{ControlRole::Status, model.state().status});
            // The status names the status bar; the input box's description does not follow it, since
            // it would stay there after the news is old.
            const WindowLayout& layout = model.layout();
            CHECK(model.accessibleName(*findControl(layout, ControlRole::Status)) == model.state().status);
            CHECK(model.accessibleDescription(*findControl(layout, ControlRole::InputBox)).empty());
        }
    }
}

TEST_CASE("every control and window has a spoken name in its language, and the two text boxes differ") {
    for (const Language language : kLanguages) {
        const MainWindowModel model(language);
        for (const WindowLayout* layout : {&model.layout(), &aboutLayout(language)}) {
            CAPTURE(layout->name);
            CHECK(layout->accessibleName.find('_') == std::string_view::npos);
            for (const Control& control : layout->controls) {
                CAPTURE(control.name);
                const std::string spoken = model.accessibleName(control);
                CHECK((control.kind == ControlKind::Line) == spoken.empty());
                CHECK(spoken.find_first_of("&_") == std::string::npos);
            }
        }
        for (const MenuItem& item : model.layout().menu) {
            CAPTURE(item.name);
            const std::string spoken = spokenName(item);
            CHECK_FALSE(spoken.empty());
            CHECK(spoken.find_first_of("&_") == std::string::npos);
        }
        const WindowLayout& layout = model.layout();
        const std::string input = model.accessibleName(*findControl(layout, ControlRole::InputBox));
        CHECK(input != model.accessibleName(*findControl(layout, ControlRole::ResultBox)));
        CHECK(input == windowTexts(language).inputName);
    }
    CHECK(spokenCaption("&Save && quit") == "Save & quit");
}

TEST_CASE("focus: first in the tab order, given back after a modal window, Enter on a focused button") {
    for (const Language language : kLanguages) {
        MainWindowModel model(language);
        FocusKeeper about(aboutLayout(language));
        CHECK(model.focus().first() == "txtValue");
        CHECK(about.first() == "cmdOK");
        CHECK(about.last() == "cmdOK");
        about.focused("cmdSysInfo");
        about.focused("Label2"); // takes no focus
        about.focused("a box");
        CHECK(about.last() == "cmdSysInfo");

        model.focus().focused("optSysOut_2");
        const WindowChange change = model.menuCommand(MenuCommand::About);
        CHECK(change.showAbout);
        CHECK(change.focus == "optSysOut_2");
    }
    struct Row {
        const WindowLayout* layout;
        const char* focused;
        const char* pressed; // nullptr: nothing
    };
    const Row rows[] = {
        {&mainWindowLayout(Language::English), "txtValue", nullptr},
        {&mainWindowLayout(Language::English), "cmdExit", "cmdExit"},
        {&aboutLayout(Language::Russian), "cmdSysInfo", "cmdSysInfo"},
        {&aboutLayout(Language::Russian), "", "cmdOK"},
    };
    for (const Row& row : rows) {
        CAPTURE(row.focused);
        const Control* pressed = enterTarget(*row.layout, row.focused);
        CHECK((pressed ? pressed->name : std::string_view()) == (row.pressed ? row.pressed : ""));
    }
}

TEST_CASE("Tab enters an option group at its pressed option") {
    MainWindowModel model = typed(Language::English, SystemOption::Octal, "7", SystemOption::Hexadecimal);
    for (const Control& control : model.layout().controls) {
        CAPTURE(control.name);
        const bool pressed = control.name == "optSysInp_2" || control.name == "optSysOut_3";
        const bool option = control.kind == ControlKind::Option;
        CHECK(model.isTabStop(control) == (option ? pressed : control.tabIndex >= 0));
    }
}
