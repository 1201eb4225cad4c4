#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// The number services the engine and the input check share: reading a text as a number the way the
// platform's text-to-double conversion does, rounding to a 32-bit integer, and writing decimal text.
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

// Accepts blanks, an optional sign, digits with at most one decimal separator and at least one
// digit, an optional exponent (E or e, optional sign, digits), then blanks. Digit-group separators
// are not accepted. A text that is not a number fails with type mismatch, one whose value is beyond
// the double range with overflow.
Result<double> readNumber(std::string_view text, std::string_view decimalSeparator = ".");

// True when readNumber would give a value (out-of-range exponents count as numbers: the text has the
// form of one, the value merely does not fit).
bool isNumeric(std::string_view text, std::string_view decimalSeparator);

// Reads the text as a number and rounds it to the nearest 32-bit integer, a half going to the even
// neighbour; a value outside the 32-bit signed range fails with overflow.
Result<std::int32_t> readInt32(std::string_view text);

// Rounds half to even; a value outside the 32-bit signed range fails with overflow.
Result<std::int32_t> roundToInt32(double value);

// Plain decimal digits for a whole number (never an exponent, whatever the size); the shortest
// text that reads back to the same value otherwise.
std::string writeDecimal(double value);

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
