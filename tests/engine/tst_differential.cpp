#include "core/SystemOption.h"
#include "engine/modBazelot.h"
#include "tests/engine/BoxRecorder.h"

#include <doctest/doctest.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <random>

using modBazelot::NumeralSystem;

namespace {

constexpr auto kSystems = kOptionRadices;

std::string toText(std::uint32_t value, int base, bool upper) {
    char buffer[40];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, base);
    std::string text(buffer, end);
    if (upper)
        std::transform(text.begin(), text.end(), text.begin(),
                       [](unsigned char c) { return std::toupper(c); });
    return text;
}

// 0, 1, every power of each radix up to 2^31 and its neighbours, the ends of the range.
std::vector<std::uint32_t> boundaryValues() {
    std::vector<std::uint32_t> values{0, 1, 2147483646, 2147483647};
    for (std::uint64_t radix : {2u, 8u, 10u, 16u})
        for (std::uint64_t power = radix; power <= 2147483648u; power *= radix)
            for (std::uint64_t v : {power - 1, power, power + 1})
                if (v <= 2147483647u)
                    values.push_back(static_cast<std::uint32_t>(v));
    return values;
}

std::vector<std::uint32_t> spreadValues() {
    std::mt19937 generator(20261207);
    std::uniform_int_distribution<std::uint32_t> anyValue(0, 2147483647u);
    std::uniform_int_distribution<int> bits(0, 31);
    std::vector<std::uint32_t> values;
    // Half uniform over the range, half of random bit length, so short numbers are covered too.
    for (int i = 0; i < 10000; ++i) {
        values.push_back(anyValue(generator));
        values.push_back(anyValue(generator) >> bits(generator));
    }
    return values;
}

const char* name(NumeralSystem radix) {
    return radix == 10 ? "decimal" : radix == 2 ? "binary" : radix == 8 ? "octal" : "hex";
}

} // namespace

// Every pair of systems agrees with the standard library over boundary and spread values.
TEST_CASE("agreesWithStandardLibrary") {
    static const std::vector<std::uint32_t> boundaries = boundaryValues();
    static const std::vector<std::uint32_t> spread = spreadValues();
    for (NumeralSystem input : kSystems) {
        for (NumeralSystem output : kSystems) {
            INFO(name(input), " to ", name(output));
            BoxRecorder recorder;
            const auto show = recorder.callback();
            bool agrees = true;
            for (const auto* values : {&boundaries, &spread}) {
                for (std::size_t i = 0; agrees && i < values->size(); ++i) {
                    const std::uint32_t value = (*values)[i];
                    // Lower-case input on odd values: hex text is read in either case.
                    const std::string text = toText(value, input, value % 2 == 0);
                    const std::optional<std::string> result =
                        modBazelot::TranslateNumber(input, output, text, show);
                    const std::string expected = toText(value, output, true);
                    std::uint32_t readBack = 0;
                    if (result)
                        std::from_chars(result->data(), result->data() + result->size(), readBack, output);
                    agrees = result == expected && readBack == value;
                    // One report per pair, the first value that differs: not thousands of them.
                    if (!agrees)
                        FAIL_CHECK(text, " (", value, ") gave ", result.value_or("nothing"), ", expected ",
                                   expected);
                }
            }
            CHECK(recorder.boxes.empty());
        }
    }
}

TEST_CASE("firstValueAboveRangeOverflows") {
    for (NumeralSystem input : kSystems) {
        for (NumeralSystem output : kSystems) {
            INFO(name(input), " to ", name(output));
            BoxRecorder recorder;
            const auto result = modBazelot::TranslateNumber(input, output, toText(2147483648u, input, true),
                                                            recorder.callback());
            CHECK(!result.has_value());
            CHECK(recorder.boxes.size() == 1);
            for (const auto& [title, prompt] : recorder.boxes)
                CHECK(prompt.ends_with("\r\n\r\nOverflow #6"));
        }
    }
}
