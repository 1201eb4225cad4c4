#include "engine/modBazelot.h"
#include "fuzz/FuzzSupport.h"

#include <string>
#include <utility>
#include <vector>

// The first byte picks the input system (bits 0-1) and the output system (bits 2-3); the rest is the
// text, any bytes at all.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const modBazelot::NumeralSystem input = fuzz::kSystems[data[0] & 3];
    const modBazelot::NumeralSystem output = fuzz::kSystems[(data[0] >> 2) & 3];
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);

    std::vector<std::pair<std::string, std::string>> boxes;
    const auto result = modBazelot::TranslateNumber(
        input, output, text,
        [&boxes](const std::string& title, const std::string& prompt) { boxes.emplace_back(title, prompt); });

    // Each step shows at most one box, and each box is one of the two failures, word for word.
    fuzz::check(boxes.size() <= 2, "more than two failure boxes", text);
    for (const auto& [title, prompt] : boxes) {
        fuzz::check(title == modBazelot::kErrorTitle, "failure box title", text, title);
        fuzz::check(prompt == fuzz::kOverflowPrompt || prompt == fuzz::kTypeMismatchPrompt,
                    "failure box prompt", text, prompt);
    }
    // A translation that gives nothing has told the user why.
    fuzz::check(result || !boxes.empty(), "empty result without a failure box", text);

    if (result) {
        // Whatever was read, the result is one value of the range written plainly in the output system:
        // digits of that system only, no leading zero, and it reads back to itself.
        fuzz::check(!result->empty(), "empty text as a result", text);
        for (char c : *result)
            fuzz::check(fuzz::isOutputDigit(c, output), "result holds a character outside the output system",
                        text, *result);
        const auto value = fuzz::readWhole(*result, output);
        fuzz::check(value && *value <= fuzz::kMaxValue, "result beyond the range", text, *result);
        fuzz::check(fuzz::writeUpper(*value, output) == *result, "result not in plain form", text, *result);
    }

    if (fuzz::onlyInputDigits(text, input)) {
        const auto expected = fuzz::readWhole(text, input);
        if (expected && *expected <= fuzz::kMaxValue) {
            fuzz::check(boxes.empty(), "failure box for a value in range", text);
            fuzz::check(result == fuzz::writeUpper(*expected, output), "result differs from std::to_chars",
                        text, result.value_or("(nothing)"));
        } else {
            // Above the range: always an overflow box first. A number may still follow when the reading
            // itself overflowed, since the second step then writes the partial sum read so far.
            fuzz::check(!boxes.empty() && boxes.front().second == fuzz::kOverflowPrompt,
                        "no overflow box for a value above the range", text);
            fuzz::check(!result || boxes.size() == 1, "a number after two failure boxes", text);
        }
    }
    return 0;
}
