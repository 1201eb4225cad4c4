#pragma once

#include "core/SystemOption.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// What the main window's input check decides about a text.
enum class Verdict { Empty, Accepted, NotNumber, NotBinary, NotOctal, NotHexadecimal, NoSystem };

// Judges the UTF-8 text against the pressed input option; no pressed option gives NoSystem.
// decimalSeparator is the one of the user's locale.
Verdict checkInput(std::string_view text, std::optional<SystemOption> pressedInput,
                   std::string_view decimalSeparator);

// The input box holds at most this many characters, counted as the engine counts positions (code
// points), so that no character is ever split.
inline constexpr std::size_t kMaxInputCharacters = 15;

std::size_t characterCount(std::string_view utf8);

// The first `room` characters of text, never a part of one.
std::string firstCharacters(std::string_view utf8, std::size_t room);

// The characters the box takes in place of the selection: what it holds less the selection, up to
// its limit.
std::size_t roomLeft(std::string_view text, std::string_view selection);

// The modifier keys held with a key, as far as what it types goes. AltGr, which types the third level
// of many layouts, is neither.
struct HeldModifiers {
    bool control = false;
    bool alt = false;
};

// What one typed key inserts. Nothing while Ctrl or Alt is held: such a key is a command, whether a
// control takes it or not, and on Windows it never types. Otherwise its upper case (as the platform's
// locale gives it) when that is a single character, else the key as typed (German ß would give SS): one
// key inserts one character.
std::string_view typedCharacter(std::string_view typed, std::string_view upper, HeldModifiers held = {});

// What a paste inserts: the clipboard's text without blanks and line breaks at its two ends (a value
// copied from a terminal ends in a line break), cut to the room left in the box.
std::string pastedText(std::string_view clipboard, std::size_t room);

// A drop of dragged text inserts what a paste of it would. Only a drop that takes the whole text may
// take it away from where it was dragged: a move cut short would lose the rest.
struct DroppedText {
    std::string text;
    bool whole;
};
DroppedText droppedText(std::string_view dragged, std::size_t room);
