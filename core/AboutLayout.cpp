#include "core/Layout.h"

namespace {

// The dialog's default font: the system's size in the face and character set of the labels.
constexpr Font kFont{"MS Sans Serif", 0, kCyrillicCharacterSet};
constexpr Colour kTitleRed = rgb(255, 0, 0);

// The etched rule between the texts above and the credit and buttons below: grey above white.
void addRule(std::vector<Control>& controls) {
    controls.push_back({.name = "Line1_1",
                        .kind = ControlKind::Line,
                        .index = 1,
                        .box = {90, 3285, 5564, 1},
                        .colour = rgb(128, 128, 128)});
    controls.push_back({.name = "Line1_0",
                        .kind = ControlKind::Line,
                        .index = 0,
                        .box = {105, 3300, 5549, 2},
                        .colour = rgb(255, 255, 255)});
}

WindowLayout russian() {
    WindowLayout layout{.name = "frmAbout",
                        .caption = "О_программе",
                        .accessibleName = "О программе",
                        .clientWidth = 5955,
                        .clientHeight = 5025,
                        .font = kFont};
    // In reading order: title, description, credits, then the buttons; OK is first in the focus order.
    layout.controls = {
        {.name = "lblTitle",
         .kind = ControlKind::Label,
         .box = {240, 120, 5475, 840},
         .text = "Кварзел систем счисления  v 2.0",
         .pointSize = 18,
         .colour = kTitleRed},
        {.name = "lblDescription",
         .kind = ControlKind::Label,
         .box = {240, 1200, 5325, 1890},
         .text = "Переводит целые числа между десятичной, двоичной, восьмеричной и шестнадцатеричной "
                 "системами счисления.\n"
                 "Написана, доработана и переведена разработчиками Bazelot.",
         .pointSize = 12},
    };
    addRule(layout.controls);
    layout.controls.insert(layout.controls.end(),
                           {
                               {.name = "lblDisclaimer",
                                .kind = ControlKind::Label,
                                .box = {240, 3480, 3255, 585},
                                .text = "Разработчики Bazelot, 2026"},
                               {.name = "Label2",
                                .kind = ControlKind::Label,
                                .box = {240, 4320, 3375, 375},
                                .text = "Все права защищены.",
                                // Black where a system has no desktop colour, as Windows' own default.
                                .colour = {SystemColour::Desktop, 0, 0, 0}},
                               {.name = "cmdOK",
                                .kind = ControlKind::Button,
                                .role = ControlRole::Ok,
                                .box = {3840, 3465, 1860, 585},
                                .text = "OK",
                                .tabIndex = 0},
                               {.name = "cmdSysInfo",
                                .kind = ControlKind::Button,
                                .role = ControlRole::SysInfo,
                                .box = {3840, 4200, 1845, 585},
                                .text = "&О_системе",
                                .tabIndex = 1,
                                .accessibleName = "О системе"},
                           });
    return layout;
}

WindowLayout english() {
    WindowLayout layout{.name = "frmAbout1",
                        .caption = "About_program",
                        .accessibleName = "About program",
                        .clientWidth = 6015,
                        .clientHeight = 5085,
                        .font = kFont};
    layout.controls = {
        {.name = "Label1",
         .kind = ControlKind::Label,
         .box = {240, 240, 5445, 840},
         .text = "Bazelot of calculating systems v 2.0",
         .pointSize = 18,
         .colour = kTitleRed},
        {.name = "lblDescription",
         .kind = ControlKind::Label,
         .box = {240, 1320, 5445, 1650},
         .text =
             "Translates whole numbers between the decimal, binary, octal and hexadecimal numeral systems.\n"
             "Written, modified and translated by the Bazelot developers.",
         .pointSize = 12},
    };
    addRule(layout.controls);
    layout.controls.insert(layout.controls.end(),
                           {
                               {.name = "lblDisclaimer",
                                .kind = ControlKind::Label,
                                .box = {255, 3465, 3630, 585},
                                .text = "By the Bazelot developers, 2026"},
                               {.name = "Label2",
                                .kind = ControlKind::Label,
                                .box = {360, 4320, 3855, 495},
                                .text = "All rights reserved.",
                                // Navy where a system has no highlight colour, as Windows' classic one.
                                .colour = {SystemColour::Highlight, 0, 0, 128}},
                               {.name = "cmdOK",
                                .kind = ControlKind::Button,
                                .role = ControlRole::Ok,
                                .box = {4320, 3465, 1500, 585},
                                .text = "OK",
                                .tabIndex = 0},
                               {.name = "cmdSysInfo",
                                .kind = ControlKind::Button,
                                .role = ControlRole::SysInfo,
                                .box = {4260, 4320, 1485, 585},
                                .text = "&System Info...",
                                .tabIndex = 1,
                                .accessibleName = "System Info"},
                           });
    return layout;
}

} // namespace

const WindowLayout& aboutLayout(Language language) {
    static const WindowLayout ru = russian();
    static const WindowLayout en = english();
    return language == Language::Russian ? ru : en;
}
