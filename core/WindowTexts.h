#pragma once

#include "core/Language.h"

#include <array>

// Every text a main window shows, in one language, and the option widths its captions need.
// Widths are in twips; texts are UTF-8. An ampersand marks the next character as access key.
struct WindowTexts {
    const char* title;
    const char* inputFrame;
    const char* outputFrame;
    std::array<const char*, 4> systems; // by option index: decimal, binary, octal, hexadecimal
    std::array<int, 4> inputOptionWidths;
    std::array<int, 4> outputOptionWidths;
    const char* calculate;
    const char* calculateTip;
    const char* exit;
    const char* exitTip;
    const char* ready;
    const char* accepted;
    const char* notNumber;
    const char* notBinary;
    const char* notOctal;
    const char* notHexadecimal;
    const char* unexpectedFailure; // a box's text, followed by what failed
    const char* menuFile;
    const char* menuExit;
    const char* menuOptions;
    const char* menuLanguage;
    const char* menuEnglish;
    const char* menuRussian;
    const char* menuAbout;
    const char* menuAboutName; // the About item as a screen reader says it
    // What a screen reader says: the two text boxes' names, the buttons' descriptions, and what it
    // announces after Calculate.
    const char* inputName;
    const char* resultName;
    const char* calculateDescription;
    const char* exitDescription;
    const char* resultSpoken; // followed by the result
    const char* resultEmptied;
};

extern const WindowTexts englishTexts;
extern const WindowTexts russianTexts;

const WindowTexts& windowTexts(Language language);
