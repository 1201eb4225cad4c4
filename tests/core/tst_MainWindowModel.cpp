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
    modBazelot::ShowMessage show() {
        return [this](const std::string&, const std::string& prompt) {
            prompts.push_back(prompt);
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
        if (row.box)
            CHECK(boxes.prompts.front().ends_with(row.box));
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
        for (const char* text :
             {texts.accepted, texts.notNumber, texts.notBinary, texts.notOctal, texts.notHexadecimal})
            CHECK(std::string(text).size() > 0);
    }
}
