#include "engine/modBazelot.h"

#include "engine/NumberText.h"

#include <algorithm>
#include <cmath>

namespace modBazelot {

namespace {

// Characters beyond the sixteen digits count as a 0 digit but still take up their position.
int digitValue(char32_t c) {
    if (c >= U'A' && c <= U'F')
        return 10 + static_cast<int>(c - U'A');
    if (c >= U'a' && c <= U'f')
        return 10 + static_cast<int>(c - U'a');
    if (c >= U'0' && c <= U'9')
        return static_cast<int>(c - U'0');
    return 0;
}

constexpr std::size_t kMaxCharacters = 32767; // the position is a 16-bit signed number

void report(const NumberText::Failure& failure, const ShowMessage& show) {
    ReportTranslationError(failure.number, std::string(failure.description), show);
}

// A radix below 2 divides by zero, never ends (1) or overflows the integer division (negative ones).
bool refuseRadix(NumeralSystem radix, const ShowMessage& show) {
    if (radix >= 2)
        return false;
    report(NumberText::invalidProcedureCall(), show);
    return true;
}

char digitCharacter(std::int32_t remainder) {
    return static_cast<char>(remainder < 10 ? '0' + remainder : 'A' + remainder - 10);
}

} // namespace

void ReportTranslationError(std::int32_t number, const std::string& description, const ShowMessage& show) {
    if (!show)
        return;
    show(kErrorTitle, "The translation was not successful. Something went terribly wrong.\r\n\r\n" +
                          description + " #" + std::to_string(number));
}

std::optional<double> ConvertToDecimal(const NumeralSystem& radix, const std::string& text,
                                       const ShowMessage& show) {
    if (refuseRadix(radix, show))
        return std::nullopt;
    const std::vector<char32_t> characters = NumberText::codePoints(text);
    if (characters.size() > kMaxCharacters) {
        report(NumberText::overflow(), show);
        return std::nullopt;
    }
    std::optional<double> sum;
    const double base = static_cast<double>(radix);
    double position = 0;
    for (auto it = characters.rbegin(); it != characters.rend(); ++it, ++position) {
        const int digit = digitValue(*it);
        // A 0 digit adds nothing wherever it stands, so a weight beyond the double range is harmless
        // there; failing would refuse texts like a long run of zeros that have an exact value.
        const double term = digit == 0 ? 0.0 : digit * std::pow(base, position);
        const double next = sum.value_or(0.0) + term;
        // A term or a running sum beyond the range would turn into a wrong number later: fail instead.
        if (!std::isfinite(term) || !std::isfinite(next)) {
            report(NumberText::overflow(), show);
            return sum;
        }
        sum = next;
    }
    return sum;
}

std::optional<std::string> ConvertFromDecimal(const NumeralSystem& radix, const std::string& decimalText,
                                              const ShowMessage& show) {
    if (refuseRadix(radix, show))
        return std::nullopt;
    // Only the first reading can fail: every later quotient is a smaller whole number.
    const auto whole = NumberText::readWhole(decimalText);
    if (const auto* failure = std::get_if<NumberText::Failure>(&whole)) {
        report(*failure, show);
        return std::nullopt;
    }
    std::int32_t value = std::get<std::int32_t>(whole);
    std::string digits;
    do {
        const std::int32_t remainder = value % radix;
        // A radix above 16 (no window passes one) writes a remainder beyond F as its decimal text.
        if (remainder < 16)
            digits += digitCharacter(remainder);
        else
            digits += std::to_string(remainder);
        value /= radix;
    } while (value != 0);
    std::reverse(digits.begin(), digits.end());
    return digits;
}

std::optional<std::string> TranslateNumber(const NumeralSystem& inputSystem,
                                           const NumeralSystem& outputSystem, const std::string& text,
                                           const ShowMessage& show) {
    // One box for the call, whichever side is wrong, and before the input is read.
    if (refuseRadix(std::min(inputSystem, outputSystem), show))
        return std::nullopt;
    const std::optional<double> value = ConvertToDecimal(inputSystem, text, show);
    const std::string decimalText = value ? NumberText::writeWhole(*value) : std::string();
    return ConvertFromDecimal(outputSystem, decimalText, show);
}

} // namespace modBazelot
