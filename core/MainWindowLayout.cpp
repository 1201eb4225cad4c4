#include "core/Layout.h"
#include "core/SystemOption.h"
#include "core/WindowTexts.h"

#include <array>
#include <string>

namespace {

constexpr std::array<int, 4> kOptionTops{840, 1200, 1560, 1920};

// Control arrays carry their index in the name; the names must outlive the table.
const std::array<std::string, 4> kInputOptionNames{"optSysInp_0", "optSysInp_1", "optSysInp_2",
                                                   "optSysInp_3"};
const std::array<std::string, 4> kOutputOptionNames{"optSysOut_0", "optSysOut_1", "optSysOut_2",
                                                    "optSysOut_3"};

// Both frames hold a text box and the four system options; the Russian captions need wider options.
void addFrame(std::vector<Control>& controls, const WindowTexts& texts, bool input) {
    const std::string_view frame = input ? "fraOutput" : "Frame1";
    const int firstTab = input ? 0 : 5;
    controls.push_back({.name = frame,
                        .kind = ControlKind::Frame,
                        .box = {120, input ? 120 : 2520, 4095, 2295},
                        .text = input ? texts.inputFrame : texts.outputFrame});
    controls.push_back({.name = input ? "txtValue" : "txtResult",
                        .kind = ControlKind::TextBox,
                        .role = input ? ControlRole::InputBox : ControlRole::ResultBox,
                        .parent = frame,
                        .box = {240, 360, 3615, 325},
                        .tabIndex = firstTab,
                        .accessibleName = input ? texts.inputName : texts.resultName});
    for (const SystemOption option : kSystemOptions) {
        const std::size_t i = indexOf(option);
        controls.push_back({.name = (input ? kInputOptionNames : kOutputOptionNames)[i],
                            .kind = ControlKind::Option,
                            .role = input ? ControlRole::InputOption : ControlRole::OutputOption,
                            .index = static_cast<int>(i),
                            .parent = frame,
                            .box = {240, kOptionTops[i],
                                    (input ? texts.inputOptionWidths : texts.outputOptionWidths)[i], 255},
                            .text = texts.systems[i],
                            .tabIndex = firstTab + 1 + static_cast<int>(i)});
    }
}

WindowLayout build(const WindowTexts& texts, std::string_view name) {
    WindowLayout layout{.name = name,
                        .caption = texts.title,
                        .accessibleName = texts.title,
                        .clientWidth = 4335,
                        .clientHeight = 5715,
                        .font = {"MS Sans Serif", 8, kCyrillicCharacterSet}};
    addFrame(layout.controls, texts, true);
    addFrame(layout.controls, texts, false);
    layout.controls.push_back({.name = "cmdCalculate",
                               .kind = ControlKind::Button,
                               .role = ControlRole::Calculate,
                               .box = {1440, 4920, 1335, 375},
                               .text = texts.calculate,
                               .toolTip = texts.calculateTip,
                               .tabIndex = 10,
                               .accessibleDescription = texts.calculateDescription});
    layout.controls.push_back({.name = "cmdExit",
                               .kind = ControlKind::Button,
                               .role = ControlRole::Exit,
                               .box = {2880, 4920, 1335, 375},
                               .text = texts.exit,
                               .toolTip = texts.exitTip,
                               .tabIndex = 11,
                               .accessibleDescription = texts.exitDescription});
    layout.controls.push_back({.name = "sbrStatus",
                               .kind = ControlKind::StatusBar,
                               .role = ControlRole::Status,
                               .box = {0, 5325, 4335, 390},
                               .text = texts.ready,
                               // The longer Russian statuses take two lines at the bar's width.
                               .textLines = 2});
    layout.menu = {
        {"mnuFile", "", texts.menuFile},
        {"mnuExit", "mnuFile", texts.menuExit, MenuCommand::Exit},
        {"mnuOptions", "", texts.menuOptions},
        {"mnuLang", "mnuOptions", texts.menuLanguage},
        {"mnuEnglish", "mnuLang", texts.menuEnglish, MenuCommand::English},
        {"mnuRussian", "mnuLang", texts.menuRussian, MenuCommand::Russian},
        {"mnuAbout", "", texts.menuAbout, MenuCommand::About, texts.menuAboutName},
    };
    return layout;
}

} // namespace

const WindowLayout& mainWindowLayout(Language language) {
    static const WindowLayout english = build(englishTexts, "frmBazelot");
    static const WindowLayout russian = build(russianTexts, "frmBazelot_rus");
    return language == Language::Russian ? russian : english;
}
