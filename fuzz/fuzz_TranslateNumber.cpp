#include "engine/modBazelot.h"
#include "fuzz/FuzzSupport.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace {

bool isWindowSystem(modBazelot::NumeralSystem radix) {
    return std::find(fuzz::kSystems.begin(), fuzz::kSystems.end(), radix) != fuzz::kSystems.end();
}

} // namespace

// With bit 7 of the first byte clear, bits 0-1 pick the input system and bits 2-3 the output system
// among the windows' four, and the rest is the text. With it set, the next four bytes are the input and
// the output radix as any two 16-bit numbers (little-endian), since the engine's callers are not only
// the windows; the text follows them. The text is any bytes at all.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    modBazelot::NumeralSystem input = fuzz::kSystems[data[0] & 3];
    modBazelot::NumeralSystem output = fuzz::kSystems[(data[0] >> 2) & 3];
    std::size_t textStart = 1;
    if (data[0] & 0x80) {
        if (size < 5)
            return 0;
        input = static_cast<modBazelot::NumeralSystem>(data[1] | data[2] << 8);
        output = static_cast<modBazelot::NumeralSystem>(data[3] | data[4] << 8);
        textStart = 5;
    }
    const std::string text(reinterpret_cast<const char*>(data + textStart), size - textStart);

    std::vector<std::pair<std::string, std::string>> boxes;
    const auto result = modBazelot::TranslateNumber(
        input, output, text,
        [&boxes](const std::string& title, const std::string& prompt) { boxes.emplace_back(title, prompt); });

    for (const auto& [title, prompt] : boxes)
        fuzz::check(title == modBazelot::kErrorTitle, "failure box title", text, title);

    // A radix below 2 on either side is refused before the text is read: one box, nothing.
    if (input < 2 || output < 2) {
        fuzz::check(boxes.size() == 1 && boxes.front().second == fuzz::kInvalidCallPrompt,
                    "not exactly one invalid-call box for a radix below 2", text,
                    boxes.empty() ? "(no box)" : boxes.back().second);
        fuzz::check(!result, "a result for a radix below 2", text, result.value_or(""));
        return 0;
    }

    // Each step shows at most one box, and each box is one of the two failures, word for word.
    fuzz::check(boxes.size() <= 2, "more than two failure boxes", text);
    for (const auto& [title, prompt] : boxes)
        fuzz::check(prompt == fuzz::kOverflowPrompt || prompt == fuzz::kTypeMismatchPrompt,
                    "failure box prompt", text, prompt);
    // A translation that gives nothing has told the user why.
    fuzz::check(result || !boxes.empty(), "empty result without a failure box", text);
    if (result)
        fuzz::check(!result->empty(), "empty text as a result", text);

    // Any other radix from 2 up is written with the engine's own rules (a remainder beyond F as its
    // decimal text), which the reference readings below do not model.
    if (result && isWindowSystem(output)) {
        // Whatever was read, the result is one value of the range written plainly in the output system:
        // digits of that system only, no leading zero, and it reads back to itself.
        for (char c : *result)
            fuzz::check(fuzz::isOutputDigit(c, output), "result holds a character outside the output system",
                        text, *result);
        const auto value = fuzz::readWhole(*result, output);
        fuzz::check(value && *value <= fuzz::kMaxValue, "result beyond the range", text, *result);
        fuzz::check(fuzz::writeUpper(*value, output) == *result, "result not in plain form", text, *result);
    }

    if (isWindowSystem(input) && isWindowSystem(output) && fuzz::onlyInputDigits(text, input)) {
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
