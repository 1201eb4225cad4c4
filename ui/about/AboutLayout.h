#pragma once

#include "ui/Language.h"

// The two About dialogs as data: one table each, read by the one AboutDialog class. Texts are UTF-8;
// positions and sizes are in twips.
struct TwipsBox {
    int left;
    int top;
    int width;
    int height;
};

enum class TextColour {
    Title,     // red
    Text,      // the palette's text colour, black in a light theme
    Desktop,   // the system's desktop colour: Qt knows none, so the text colour stands for it
    Highlight, // the palette's highlight colour
};

struct AboutLabel {
    const char* objectName;
    TwipsBox box;
    const char* text;
    int pointSize; // 0 keeps the dialog's own font
    TextColour colour;
};

struct AboutButton {
    const char* objectName;
    TwipsBox box;
    const char* text;
};

struct AboutLayout {
    const char* objectName;
    const char* caption;
    int clientWidth;
    int clientHeight;
    // In reading order: title, description, credit, rights notice.
    AboutLabel labels[4];
    AboutButton ok;
    AboutButton sysInfo;
    const char* unavailable; // the failure box's text
};

const AboutLayout& aboutLayout(Language language);

// Message boxes show the application's title as their caption, in either build of the program.
inline constexpr char kApplicationTitle[] = "prjBazelot";
