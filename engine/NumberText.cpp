#include "engine/NumberText.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace NumberText {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Rewrites an accepted text into the form std::from_chars reads ("-12.5e3"), or returns false.
bool normalise(std::string_view text, std::string_view separator, std::string& out) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && isBlank(text[i]))
        ++i;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-')
            out += '-';
        ++i;
    }
    std::size_t digits = 0;
    bool separatorSeen = false;
    while (i < n) {
        if (isDigit(text[i])) {
            out += text[i++];
            ++digits;
        } else if (!separatorSeen && !separator.empty() && text.substr(i).starts_with(separator)) {
            out += '.';
            i += separator.size();
            separatorSeen = true;
        } else {
            break;
        }
    }
    if (digits == 0)
        return false;
    if (i < n && (text[i] == 'E' || text[i] == 'e')) {
        out += 'e';
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-'))
            out += text[i++];
        std::size_t exponentDigits = 0;
        while (i < n && isDigit(text[i])) {
            out += text[i++];
            ++exponentDigits;
        }
        if (exponentDigits == 0)
            return false;
    }
    while (i < n && isBlank(text[i]))
        ++i;
    return i == n;
}

} // namespace

Result<double> readNumber(std::string_view text, std::string_view decimalSeparator) {
    std::string plain;
    plain.reserve(text.size());
    if (!normalise(text, decimalSeparator, plain))
        return typeMismatch();
    double value = 0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (error == std::errc::result_out_of_range) {
        // from_chars reports underflow the same way; a tiny value is a number that reads as zero.
        const auto e = plain.find('e');
        const bool negativeExponent = e != std::string::npos && plain[e + 1] == '-';
        if (negativeExponent)
            return 0.0;
        return overflow();
    }
    if (error != std::errc() || end != plain.data() + plain.size())
        return typeMismatch();
    return value;
}

bool isNumeric(std::string_view text, std::string_view decimalSeparator) {
    std::string plain;
    return normalise(text, decimalSeparator, plain);
}

Result<std::int32_t> roundToInt32(double value) {
    if (std::isnan(value))
        return overflow();
    double whole = std::floor(value);
    const double fraction = value - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0))
        whole += 1.0;
    if (whole < std::numeric_limits<std::int32_t>::min() || whole > std::numeric_limits<std::int32_t>::max())
        return overflow();
    return static_cast<std::int32_t>(whole);
}

Result<std::int32_t> readInt32(std::string_view text) {
    const Result<double> number = readNumber(text);
    if (const auto* failure = std::get_if<Failure>(&number))
        return *failure;
    return roundToInt32(std::get<double>(number));
}

std::string writeDecimal(double value) {
    // Enough for the 309 integer digits of the largest double, a sign and a shortest fraction.
    char buffer[400];
    const bool whole = std::isfinite(value) && value == std::trunc(value);
    const auto [end, error] =
        whole ? std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 0)
              : std::to_chars(buffer, buffer + sizeof buffer, value);
    if (error != std::errc())
        return {};
    return std::string(buffer, end);
}

Decoded decodeAt(std::string_view utf8, std::size_t at) {
    const auto lead = static_cast<unsigned char>(utf8[at]);
    const std::size_t length = lead < 0x80           ? 1
                               : (lead >> 5) == 0x6  ? 2
                               : (lead >> 4) == 0xE  ? 3
                               : (lead >> 3) == 0x1E ? 4
                                                     : 0;
    char32_t cp = length == 1 ? lead : length == 2 ? lead & 0x1F : length == 3 ? lead & 0x0F : lead & 0x07;
    bool valid = length != 0 && at + length <= utf8.size();
    for (std::size_t k = 1; valid && k < length; ++k) {
        const auto next = static_cast<unsigned char>(utf8[at + k]);
        valid = (next & 0xC0) == 0x80;
        cp = (cp << 6) | (next & 0x3F);
    }
    // Overlong forms, surrogates and values past U+10FFFF are as invalid as a stray byte.
    static constexpr char32_t kMinimum[] = {0, 0, 0x80, 0x800, 0x10000};
    valid = valid && cp >= kMinimum[length] && cp <= 0x10FFFF && (cp < 0xD800 || cp > 0xDFFF);
    if (!valid)
        return {U'\uFFFD', 1};
    return {cp, length};
}

std::vector<char32_t> codePoints(std::string_view utf8) {
    std::vector<char32_t> out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const Decoded character = decodeAt(utf8, i);
        out.push_back(character.codePoint);
        i += character.length;
    }
    return out;
}

} // namespace NumberText
