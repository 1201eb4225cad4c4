#pragma once

#include "core/Language.h"

#include <string_view>
#include <vector>

// A window as data: every control with its place in twips, its text and its part in the window's
// behaviour. Each front-end builds its controls by walking these tables. Texts are UTF-8; an ampersand
// marks the next character as access key.
struct TwipsBox {
    int left;
    int top;
    int width;
    int height;
};

enum class ControlKind { Frame, TextBox, Option, Button, StatusBar, Label, Line };

// What a control does, so that a view wires events without looking at names or texts.
enum class ControlRole {
    None,
    InputBox,     // txtValue: typed characters upper-cased, at most kMaxInputCharacters
    ResultBox,    // txtResult: read-only, selectable
    InputOption,  // optSysInp: index is the SystemOption
    OutputOption, // optSysOut
    Calculate,
    Exit,
    Status, // the status bar; its one panel shows the status text
    Ok,     // the About dialog's default and cancel button
    SysInfo,
};

enum class ColourRole {
    Default,   // the system's text colour
    Title,     // red, RGB 255, 0, 0
    Desktop,   // the system's desktop colour
    Highlight, // the system's highlight colour
    Shadow,    // grey, RGB 128, 128, 128: the upper line of an etched rule
    Light,     // white: its lower line
};

struct Control {
    std::string_view name; // the object name; a member of a control array carries "_index"
    ControlKind kind;
    ControlRole role = ControlRole::None;
    int index = 0;                // within its control array
    std::string_view parent = {}; // the frame it is placed on; empty for the window's client area
    // Relative to the parent. A line's box runs from (left, top) to (left + width, top); its height is
    // its thickness in pixels.
    TwipsBox box{};
    std::string_view text = {};
    std::string_view toolTip = {};
    int pointSize = 0; // 0 keeps the window's font
    ColourRole colour = ColourRole::Default;
    int tabIndex = -1; // -1 takes no focus
    int textLines = 0; // lines of its text it has room for, whatever the font's height; 0: as its box holds
};

enum class MenuCommand { None, Exit, English, Russian, About };

struct MenuItem {
    std::string_view name;
    std::string_view parent; // empty for the menu bar
    std::string_view text;
    MenuCommand command = MenuCommand::None; // None opens a submenu
};

struct WindowLayout {
    std::string_view name; // the window's object name
    std::string_view caption;
    int clientWidth; // twips, below the menu bar
    int clientHeight;
    int pointSize = 0;                  // the window's font; 0 keeps the system's
    std::vector<Control> controls = {}; // parents first, focusable ones in tab order
    std::vector<MenuItem> menu = {};    // parents before their items
};

const WindowLayout& mainWindowLayout(Language language);
const WindowLayout& aboutLayout(Language language);

// Message boxes show the application's title as their caption, in either build of the program.
inline constexpr std::string_view kApplicationTitle = "prjBazelot";
inline constexpr std::string_view kSysInfoUnavailable = "System Information Is Unavailable At This Time";
