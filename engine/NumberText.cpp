#include "engine/NumberText.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace NumberText {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

bool isNumeric(std::string_view text, std::string_view separator) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && isBlank(text[i]))
        ++i;
    if (i < n && (text[i] == '+' || text[i] == '-'))
        ++i;
    std::size_t digits = 0;
    bool separatorSeen = false;
    while (i < n) {
        if (isDigit(text[i])) {
            ++i;
            ++digits;
        } else if (!separatorSeen && !separator.empty() && text.substr(i).starts_with(separator)) {
            i += separator.size();
            separatorSeen = true;
        } else {
            break;
        }
    }
    if (digits == 0)
        return false;
    if (i < n && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-'))
            ++i;
        const std::size_t exponentStart = i;
        while (i < n && isDigit(text[i]))
            ++i;
        if (i == exponentStart)
            return false;
    }
    while (i < n && isBlank(text[i]))
        ++i;
    return i == n;
}

std::string writeWhole(double value) {
    constexpr double kTwoTo64 = 18446744073709551616.0;
    if (value < kTwoTo64)
        return std::to_string(static_cast<std::uint64_t>(value));
    // value = mantissa * 2^exponent exactly; the digits come from a big number in base 10^9, least
    // significant limb first, doubled up to 29 times a pass so that a limb times the factor fits 64 bits.
    int exponent = 0;
    const double fraction = std::frexp(value, &exponent);
    const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
    exponent -= 53;
    constexpr std::uint32_t kLimb = 1'000'000'000;
    std::vector<std::uint32_t> limbs{static_cast<std::uint32_t>(mantissa % kLimb),
                                     static_cast<std::uint32_t>(mantissa / kLimb % kLimb),
                                     static_cast<std::uint32_t>(mantissa / kLimb / kLimb)};
    while (exponent > 0) {
        const int shift = std::min(exponent, 29);
        exponent -= shift;
        std::uint64_t carry = 0;
        for (std::uint32_t& limb : limbs) {
            const std::uint64_t product = (std::uint64_t(limb) << shift) + carry;
            limb = static_cast<std::uint32_t>(product % kLimb);
            carry = product / kLimb;
        }
        while (carry != 0) {
            limbs.push_back(static_cast<std::uint32_t>(carry % kLimb));
            carry /= kLimb;
        }
    }
    std::string text = std::to_string(limbs.back());
    for (auto limb = limbs.rbegin() + 1; limb != limbs.rend(); ++limb) {
        const std::string digits = std::to_string(*limb);
        text.append(9 - digits.size(), '0').append(digits);
    }
    return text;
}

Result<std::int32_t> readWhole(std::string_view text) {
    if (text.empty() || !std::all_of(text.begin(), text.end(), isDigit))
        return typeMismatch();
    std::int64_t value = 0;
    for (char c : text) {
        value = value * 10 + (c - '0');
        if (value > std::numeric_limits<std::int32_t>::max())
            return overflow();
    }
    return static_cast<std::int32_t>(value);
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
