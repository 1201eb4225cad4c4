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

char digitCharacter(double remainder) {
    return static_cast<char>(remainder < 10 ? '0' + static_cast<int>(remainder)
                                            : 'A' + static_cast<int>(remainder) - 10);
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
    std::string current = decimalText;
    std::string previous = decimalText;
    std::optional<std::string> result;
    const double base = static_cast<double>(radix);
    while (true) {
        const auto whole = NumberText::readInt32(current);
        if (const auto* failure = std::get_if<NumberText::Failure>(&whole)) {
            report(*failure, show);
            return result;
        }
        // Truncates toward zero, as the 32-bit integer division does.
        current = std::to_string(std::get<std::int32_t>(whole) / radix);
        // Both texts were read successfully above, so these readings cannot fail.
        const double dividend = std::get<double>(NumberText::readNumber(previous));
        const double quotient = std::get<double>(NumberText::readNumber(current));
        const double remainder = dividend - quotient * base;
        if (!result)
            result.emplace();
        std::string& digits = *result;
        if (remainder >= 0 && remainder < 16 && remainder == std::trunc(remainder))
            digits += digitCharacter(remainder);
        else
            digits += NumberText::writeDecimal(remainder);
        previous = current;
        if (quotient == 0)
            break;
    }
    std::reverse(result->begin(), result->end());
    return result;
}

std::optional<std::string> TranslateNumber(const NumeralSystem& inputSystem,
                                           const NumeralSystem& outputSystem, const std::string& text,
                                           const ShowMessage& show) {
    // One box for the call, whichever side is wrong, and before the input is read.
    if (refuseRadix(std::min(inputSystem, outputSystem), show))
        return std::nullopt;
    const std::optional<double> value = ConvertToDecimal(inputSystem, text, show);
    const std::string decimalText = value ? NumberText::writeDecimal(*value) : std::string();
    return ConvertFromDecimal(outputSystem, decimalText, show);
}

} // namespace modBazelot
