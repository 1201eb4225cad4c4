#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

// The conversion engine: reads a text written in one numeral system and writes its value in another,
// by way of the value's decimal form. It keeps no state and reports its own failures through the
// message callback it is handed, never to its caller.
namespace modBazelot {

// The radix itself: 10, 2, 8 or 16 from the windows. The three conversions below refuse a radix below 2
// before any work, with one "Invalid procedure call or argument" box, and return nothing.
using NumeralSystem = std::int16_t;

// Shows one modal warning box with an OK button; returns when the user has closed it.
using ShowMessage = std::function<void(const std::string& title, const std::string& prompt)>;

inline constexpr char kErrorTitle[] = "Translation Module Error";

std::optional<std::string> TranslateNumber(const NumeralSystem& inputSystem,
                                           const NumeralSystem& outputSystem, const std::string& text,
                                           const ShowMessage& show);

// Nothing for an empty text; otherwise the sum of digit value times radix power over every character,
// which may be a partial sum when a failure was shown on the way.
std::optional<double> ConvertToDecimal(const NumeralSystem& radix, const std::string& text,
                                       const ShowMessage& show);

// The digits of the value in the given system, most significant first. Reads the plain decimal digits
// that ConvertToDecimal's value is handed over as, and nothing else: any other text is a type
// mismatch, a value above 2147483647 an overflow, and a failure returns nothing.
std::optional<std::string> ConvertFromDecimal(const NumeralSystem& radix, const std::string& decimalText,
                                              const ShowMessage& show);

void ReportTranslationError(std::int32_t number, const std::string& description, const ShowMessage& show);

} // namespace modBazelot
