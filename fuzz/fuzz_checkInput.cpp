#include "core/InputCheck.h"
#include "engine/NumberText.h"
#include "engine/modBazelot.h"
#include "fuzz/FuzzSupport.h"

#include <string>
#include <utility>
#include <vector>

// The main window's input check with the numeric test beneath it, and what Calculate then makes of an
// accepted text. The first byte picks the pressed input option (bits 0-2: none, or index 0 to 3), the
// decimal separator (bit 3: '.' or ',') and the output system (bits 4-5); the rest is the text, as UTF-8.
namespace {

bool verdictIn(Verdict verdict, std::initializer_list<Verdict> allowed) {
    for (Verdict v : allowed)
        if (v == verdict)
            return true;
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const int index = (data[0] & 7) % 5 - 1;
    const std::optional<SystemOption> pressed =
        index < 0 ? std::nullopt : std::optional(kSystemOptions[static_cast<std::size_t>(index)]);
    const std::string_view separator = (data[0] & 8) ? "," : ".";
    const modBazelot::NumeralSystem output = radixOf(kSystemOptions[(data[0] >> 4) & 3]);
    const std::string utf8(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::string_view text = utf8;

    const Verdict verdict = checkInput(text, pressed, separator);

    fuzz::check(static_cast<int>(verdict) >= static_cast<int>(Verdict::Empty) &&
                    static_cast<int>(verdict) <= static_cast<int>(Verdict::NoSystem),
                "verdict outside the defined outcomes", utf8);
    fuzz::check((verdict == Verdict::Empty) == text.empty(), "empty verdict exactly for the empty text",
                utf8);
    if (text.empty())
        return 0;
    fuzz::check((verdict == Verdict::NoSystem) == (index < 0), "no-system verdict exactly without an option",
                utf8);
    if (index < 0)
        return 0;

    const int radix = radixOf(*pressed);
    const bool numeric = NumberText::isNumeric(utf8, separator);
    switch (radix) {
    case 10:
        fuzz::check(verdictIn(verdict, {Verdict::Accepted, Verdict::NotNumber}), "decimal verdict", utf8);
        break;
    case 2:
    case 8:
        fuzz::check(verdictIn(verdict, {Verdict::Accepted, Verdict::NotNumber,
                                        radix == 2 ? Verdict::NotBinary : Verdict::NotOctal}),
                    "binary or octal verdict", utf8);
        // The numeric test comes first: not-a-number exactly when it fails.
        fuzz::check((verdict == Verdict::NotNumber) == !numeric, "numeric test first", utf8);
        break;
    default:
        fuzz::check(verdictIn(verdict, {Verdict::Accepted, Verdict::NotHexadecimal}), "hexadecimal verdict",
                    utf8);
        break;
    }
    // Nothing the engine would misread as a 0 digit gets through: accepted means digits of the system only.
    fuzz::check((verdict == Verdict::Accepted) == fuzz::onlyInputDigits(utf8, radix),
                "accepted exactly the texts of the system's digits", utf8);
    if (verdict != Verdict::Accepted)
        return 0;
    if (radix != 16)
        fuzz::check(numeric, "an accepted text fails the numeric test", utf8);

    // What Calculate shows for it: the value std::from_chars reads, or the overflow box and nothing.
    std::vector<std::pair<std::string, std::string>> boxes;
    const modBazelot::NumeralSystem input = static_cast<modBazelot::NumeralSystem>(radix);
    const auto result = modBazelot::TranslateNumber(
        input, output, utf8,
        [&boxes](const std::string& title, const std::string& prompt) { boxes.emplace_back(title, prompt); });
    const auto value = fuzz::readWhole(utf8, radix);
    if (value && *value <= fuzz::kMaxValue) {
        fuzz::check(boxes.empty(), "failure box for an accepted value in range", utf8);
        fuzz::check(result == fuzz::writeUpper(*value, output), "accepted text translates to another number",
                    utf8, result.value_or("(nothing)"));
    } else if (characterCount(text) <= kMaxInputCharacters) {
        fuzz::check(!result, "a number for an accepted value above the range", utf8, result.value_or(""));
        fuzz::check(boxes.size() == 1 && boxes.front().second == fuzz::kOverflowPrompt,
                    "one overflow box for an accepted value above the range", utf8);
    }
    return 0;
}
