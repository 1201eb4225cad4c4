#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// The number services the engine and the input check share: the input check's test whether a text is a
// number, the exact whole-number text the engine's two steps hand over, and UTF-8 characters.
namespace NumberText {

// Run-time failure numbers and the descriptions the platform shows for them.
inline constexpr std::int32_t kInvalidProcedureCall = 5;
inline constexpr std::int32_t kOverflow = 6;
inline constexpr std::int32_t kTypeMismatch = 13;
inline constexpr std::string_view kInvalidProcedureCallDescription = "Invalid procedure call or argument";
inline constexpr std::string_view kOverflowDescription = "Overflow";
inline constexpr std::string_view kTypeMismatchDescription = "Type mismatch";

struct Failure {
    std::int32_t number;
    std::string_view description;
    bool operator==(const Failure&) const = default;
};

template <typename T>
using Result = std::variant<T, Failure>;

inline constexpr Failure invalidProcedureCall() {
    return {kInvalidProcedureCall, kInvalidProcedureCallDescription};
}
inline constexpr Failure overflow() {
    return {kOverflow, kOverflowDescription};
}
inline constexpr Failure typeMismatch() {
    return {kTypeMismatch, kTypeMismatchDescription};
}

// True when the text has the form of a number for the platform's text-to-double conversion: blanks, an
// optional sign, digits with at most one decimal separator and at least one digit, an optional
// exponent (E or e, optional sign, digits), then blanks. Digit-group separators are not accepted. An
// exponent beyond the double range still has the form of a number.
bool isNumeric(std::string_view text, std::string_view decimalSeparator);

// The plain decimal digits of a whole, non-negative, finite double, exact up to the largest (309
// digits), never an exponent. A fraction, which the engine never has, is cut off.
std::string writeWhole(double value);

// Plain decimal digits only, leading zeros allowed; any other character (sign, point, exponent,
// blank) fails with type mismatch, and so does the empty text; a value above 2147483647 fails with
// overflow.
Result<std::int32_t> readWhole(std::string_view text);

// The code points of a UTF-8 text; each byte of an invalid sequence counts as one character.
std::vector<char32_t> codePoints(std::string_view utf8);

// The character that starts at byte `at` (less than the text's size) and its length in bytes; an
// invalid byte is one character, U+FFFD.
struct Decoded {
    char32_t codePoint;
    std::size_t length;
};
Decoded decodeAt(std::string_view utf8, std::size_t at);

} // namespace NumberText
