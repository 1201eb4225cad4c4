#pragma once

#include "core/Language.h"

#include <cstdint>
#include <string>
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

// A colour as a table gives it: one of the system's named colours, which follow the user's theme, or
// red, green and blue. A system without the named colour shows the red, green and blue given with it.
enum class SystemColour {
    None,       // the red, green and blue below
    WindowText, // the system's text colour
    Desktop,    // the system's desktop colour
    Highlight,  // the system's highlight colour
};

struct Colour {
    SystemColour system = SystemColour::WindowText;
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
};

constexpr Colour rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return {SystemColour::None, red, green, blue};
}

inline constexpr int kCyrillicCharacterSet = 204;

// A window's font. A system that lacks the face keeps its own; the character set is the one the face
// is asked for with where a system picks faces by it (Windows: Cyrillic needs RUSSIAN_CHARSET, 204).
struct Font {
    std::string_view face;
    int pointSize = 0; // 0: the size of the system's own dialog font
    int characterSet = 0;
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
    Colour colour = {};
    int tabIndex = -1; // -1 takes no focus
    // What a screen reader says of the control; an empty name is the caption without its access key.
    std::string_view accessibleName = {};
    std::string_view accessibleDescription = {};
    int textLines = 0; // lines of its text it has room for, whatever the font's height; 0: as its box holds
};

enum class MenuCommand { None, Exit, English, Russian, About };

struct MenuItem {
    std::string_view name;
    std::string_view parent; // empty for the menu bar
    std::string_view text;
    MenuCommand command = MenuCommand::None; // None opens a submenu
    std::string_view accessibleName = {};    // as for a control
};

struct WindowLayout {
    std::string_view name; // the window's object name
    std::string_view caption;
    std::string_view accessibleName; // the caption as a screen reader says it
    int clientWidth;                 // twips, below the menu bar
    int clientHeight;
    Font font = {};
    // Parents before their children, in the order a screen reader reads them; the focusable ones
    // (tabIndex 0, 1, ...) in the order of the focus.
    std::vector<Control> controls = {};
    std::vector<MenuItem> menu = {}; // parents before their items
};

// A caption as a screen reader says it: without its access key's ampersand.
std::string spokenCaption(std::string_view caption);
// What a screen reader says of a control: the table's name for it, otherwise its caption.
std::string spokenName(const Control& control);
std::string spokenName(const MenuItem& item);
const Control* findControl(const WindowLayout& layout, std::string_view name);
const Control* findControl(const WindowLayout& layout, ControlRole role, int index = 0);

const WindowLayout& mainWindowLayout(Language language);
const WindowLayout& aboutLayout(Language language);
