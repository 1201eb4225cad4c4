#include "ui/about/AboutLayout.h"

namespace {

constexpr char kUnavailable[] = "System Information Is Unavailable At This Time";

constexpr AboutLayout kRussian{
    "frmAbout",
    "О_программе",
    5955,
    5025,
    {
        {"lblTitle", {240, 120, 5475, 840}, "Кварзел систем счисления  v 2.0", 18, TextColour::Title},
        {"lblDescription",
         {240, 1200, 5325, 1890},
         "Переводит целые числа между десятичной, двоичной, восьмеричной и шестнадцатеричной "
         "системами счисления.\n"
         "Написана, доработана и переведена разработчиками Bazelot.",
         12,
         TextColour::Text},
        {"lblDisclaimer", {240, 3480, 3255, 585}, "Разработчики Bazelot, 2026", 0, TextColour::Text},
        {"Label2", {240, 4320, 3375, 375}, "Все права защищены.", 0, TextColour::Desktop},
    },
    {"cmdOK", {3840, 3465, 1860, 585}, "OK"},
    {"cmdSysInfo", {3840, 4200, 1845, 585}, "&О_системе"},
    kUnavailable,
};

constexpr AboutLayout kEnglish{
    "frmAbout1",
    "About_program",
    6015,
    5085,
    {
        {"Label1", {240, 240, 5445, 840}, "Bazelot of calculating systems v 2.0", 18, TextColour::Title},
        {"lblDescription",
         {240, 1320, 5445, 1650},
         "Translates whole numbers between the decimal, binary, octal and hexadecimal numeral systems.\n"
         "Written, modified and translated by the Bazelot developers.",
         12,
         TextColour::Text},
        {"lblDisclaimer", {255, 3465, 3630, 585}, "By the Bazelot developers, 2026", 0, TextColour::Text},
        {"Label2", {360, 4320, 3855, 495}, "All rights reserved.", 0, TextColour::Highlight},
    },
    {"cmdOK", {4320, 3465, 1500, 585}, "OK"},
    {"cmdSysInfo", {4260, 4320, 1485, 585}, "&System Info..."},
    kUnavailable,
};

} // namespace

const AboutLayout& aboutLayout(Language language) {
    return language == Language::Russian ? kRussian : kEnglish;
}
