#include "core/InputCheck.h"

#include "engine/NumberText.h"

#include <array>
#include <utility>

namespace {

struct SystemRule {
    bool numericTestFirst;
    std::string_view digits;
    Verdict otherCharacter;
};

// By option. The engine reads every character it does not know as a 0 digit, so a sign, a separator,
// an exponent or a letter beyond F would give a plainly wrong result: only the digits of the system
// pass. Decimal and hexadecimal refuse them for that reason; binary and octal always did.
constexpr std::array<SystemRule, kSystemOptions.size()> kRules{{
    {true, "0123456789", Verdict::NotNumber},
    {true, "01", Verdict::NotBinary},
    {true, "01234567", Verdict::NotOctal},
    {false, "0123456789ABCDEFabcdef", Verdict::NotHexadecimal},
}};

bool isBlankOrLineBreak(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

} // namespace

Verdict checkInput(std::string_view text, std::optional<SystemOption> pressedInput,
                   std::string_view decimalSeparator) {
    if (text.empty())
        return Verdict::Empty;
    if (!pressedInput)
        return Verdict::NoSystem;
    const SystemRule& rule = kRules[indexOf(*pressedInput)];
    if (rule.numericTestFirst && !NumberText::isNumeric(text, decimalSeparator))
        return Verdict::NotNumber;
    // Every byte of a character beyond ASCII is outside every digit set.
    for (const char c : text) {
        if (rule.digits.find(c) == std::string_view::npos)
            return rule.otherCharacter;
    }
    return Verdict::Accepted;
}

std::size_t characterCount(std::string_view utf8) {
    return NumberText::codePoints(utf8).size();
}

std::string firstCharacters(std::string_view utf8, std::size_t room) {
    std::size_t end = 0;
    for (std::size_t taken = 0; taken < room && end < utf8.size(); ++taken)
        end += NumberText::decodeAt(utf8, end).length;
    return std::string(utf8.substr(0, end));
}

std::size_t roomLeft(std::string_view text, std::string_view selection) {
    const std::size_t kept = characterCount(text) - characterCount(selection);
    return kept < kMaxInputCharacters ? kMaxInputCharacters - kept : 0;
}

std::string_view typedCharacter(std::string_view typed, std::string_view upper, HeldModifiers held) {
    if (held.control || held.alt)
        return {};
    return characterCount(typed) == 1 && characterCount(upper) == 1 ? upper : typed;
}

std::string pastedText(std::string_view clipboard, std::size_t room) {
    while (!clipboard.empty() && isBlankOrLineBreak(clipboard.front()))
        clipboard.remove_prefix(1);
    while (!clipboard.empty() && isBlankOrLineBreak(clipboard.back()))
        clipboard.remove_suffix(1);
    return firstCharacters(clipboard, room);
}

DroppedText droppedText(std::string_view dragged, std::size_t room) {
    std::string text = pastedText(dragged, room);
    const bool whole = text == dragged;
    return {std::move(text), whole};
}
