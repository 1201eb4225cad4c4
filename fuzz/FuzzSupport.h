#pragma once

#include "core/SystemOption.h"
#include "engine/modBazelot.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

// What the fuzz targets share: choosing a numeral system from a byte, reference readings and
// writings by the standard library, and an invariant check that makes libFuzzer keep the input.
namespace fuzz {

// The main windows' option order: decimal, binary, octal, hexadecimal.
inline constexpr auto kSystems = kOptionRadices;

inline constexpr std::int64_t kMaxValue = 2147483647;

inline constexpr std::string_view kOverflowPrompt =
    "The translation was not successful. Something went terribly wrong.\r\n\r\nOverflow #6";
inline constexpr std::string_view kTypeMismatchPrompt =
    "The translation was not successful. Something went terribly wrong.\r\n\r\nType mismatch #13";
inline constexpr std::string_view kInvalidCallPrompt =
    "The translation was not successful. Something went terribly wrong.\r\n\r\n"
    "Invalid procedure call or argument #5";

[[noreturn]] inline void fail(const char* what, std::string_view text, std::string_view detail = {}) {
    std::fprintf(stderr, "invariant broken: %s\n  text: \"%.*s\"\n  detail: %.*s\n", what,
                 static_cast<int>(text.size()), text.data(), static_cast<int>(detail.size()), detail.data());
    std::abort();
}

inline void check(bool holds, const char* what, std::string_view text, std::string_view detail = {}) {
    if (!holds)
        fail(what, text, detail);
}

// The digit characters the engine may write in this system: 0-9, then capitals.
inline bool isOutputDigit(char c, int radix) {
    const int value = c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
    return value >= 0 && value < radix;
}

// The digits a user may type in this system (either case for hexadecimal).
inline bool isInputDigit(char c, int radix) {
    const char upper = c >= 'a' && c <= 'f' ? static_cast<char>(c - 'a' + 'A') : c;
    return isOutputDigit(upper, radix);
}

inline bool onlyInputDigits(std::string_view text, int radix) {
    if (text.empty())
        return false;
    for (char c : text)
        if (!isInputDigit(c, radix))
            return false;
    return true;
}

// std::from_chars over the whole text; nothing if it does not read all of it or the value does not fit.
inline std::optional<std::uint64_t> readWhole(std::string_view text, int radix) {
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, radix);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

inline std::string writeUpper(std::uint64_t value, int radix) {
    char buffer[72];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, radix);
    std::string text(buffer, end);
    for (char& c : text)
        if (c >= 'a' && c <= 'f')
            c = static_cast<char>(c - 'a' + 'A');
    return text;
}

} // namespace fuzz
