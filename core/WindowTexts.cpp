#include "core/WindowTexts.h"

// The tool tips and "Ready" stay English in the Russian window too.
const WindowTexts englishTexts{
    .language = Language::English,
    .title = "Bazelot of calculating systems",
    .inputFrame = "Input",
    .outputFrame = "Output",
    .systems = {"&Decimal", "&Binary", "&Octa", "&Hexadecimal"},
    .inputOptionWidths = {1695, 1695, 1695, 1695},
    .outputOptionWidths = {1695, 1695, 1695, 1695},
    .calculate = "&Calculate",
    .calculateTip = "Calculate",
    .exit = "E&xit",
    .exitTip = "Exit Program",
    .ready = "Ready",
    .accepted = "Press 'Calculate' button to translating data!",
    .notNumber = "Error: The value must be humeric!",
    .notBinary = "Error: The value must be binary!",
    .notOctal = "Error: The value must be octa!",
    .notHexadecimal = "Error: The value must be hexadecimal!",
    .menuFile = "&File",
    .menuExit = "&Exit",
    .menuOptions = "&Options",
    .menuLanguage = "Choose &Language",
    .menuEnglish = "English",
    .menuRussian = "&Russian",
    .menuAbout = "&About",
};

const WindowTexts russianTexts{
    .language = Language::Russian,
    .title = "Кварзел систем счисления",
    .inputFrame = "ВВОД",
    .outputFrame = "ВЫВОД",
    .systems = {"&Десятичная система", "&Двоичная система", "&Восьмеричная система",
                "&Шестнадцатиричная система"},
    .inputOptionWidths = {2895, 2895, 3375, 3255},
    .outputOptionWidths = {3615, 3615, 3615, 3615},
    .calculate = "&Вычислить",
    .calculateTip = "Calculate",
    .exit = "&Выход",
    .exitTip = "Exit Program",
    .ready = "Ready",
    .accepted = "Нажмите кнопку 'Вычислить' для перевода чисел!",
    .notNumber = "ОШИБКА: Величина должна быть числом!",
    .notBinary = "ОШИБКА: Величина должна быть двоичным числом!",
    .notOctal = "ОШИБКА: Величина должна быть восьмеричным числом!",
    .notHexadecimal = "ОШИБКА: Величина должна быть шестнадцатеричным числом!",
    .menuFile = "&Файл",
    .menuExit = "&Выход",
    .menuOptions = "&Настройки",
    .menuLanguage = "&Выбрать язык",
    .menuEnglish = "&Английский",
    .menuRussian = "&Русский",
    .menuAbout = "&О_программе",
};

const WindowTexts& windowTexts(Language language) {
    return language == Language::Russian ? russianTexts : englishTexts;
}
