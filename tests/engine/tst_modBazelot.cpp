#include "core/SystemOption.h"
#include "engine/modBazelot.h"
#include "tests/engine/BoxRecorder.h"

#include <doctest/doctest.h>

#include <cmath>

using modBazelot::NumeralSystem;

namespace {

using Lines = std::vector<std::string>;

const char* name(NumeralSystem radix) {
    switch (radix) {
    case 10:
        return "decimal";
    case 2:
        return "binary";
    case 8:
        return "octal";
    default:
        return "hex";
    }
}

constexpr auto kSystems = kOptionRadices;
// Below 2 the radix is refused: 0 would divide by zero, 1 never end, negative ones overflow.
constexpr NumeralSystem kRefusedRadices[] = {0, 1, -1, -32768};
const Lines kNoBox;
const Lines kOverflow{"Overflow #6"};
const Lines kTypeMismatch{"Type mismatch #13"};
const Lines kInvalidCall{"Invalid procedure call or argument #5"};
const std::optional<std::string> nothing;

std::string repeat(std::string_view piece, std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i)
        text += piece;
    return text;
}

Lines operator+(Lines first, const Lines& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

struct TranslateRow {
    std::string tag;
    NumeralSystem input;
    NumeralSystem output;
    std::string text;
    std::optional<std::string> result;
    Lines boxes;
};

std::vector<TranslateRow> translateRows() {
    std::vector<TranslateRow> rows{
        {"decimal 255 to hex FF", 10, 16, "255", "FF", kNoBox},
        {"decimal 255 to binary", 10, 2, "255", "11111111", kNoBox},
        {"decimal 255 to octal 377", 10, 8, "255", "377", kNoBox},
        {"hex FF to decimal 255", 16, 10, "FF", "255", kNoBox},
        {"hex ABC to octal 5274", 16, 8, "ABC", "5274", kNoBox},
        {"hex 1E5 to binary", 16, 2, "1E5", "111100101", kNoBox},
    };
    for (NumeralSystem from : kSystems)
        for (NumeralSystem to : kSystems)
            rows.push_back(
                {std::string("0 from ") + name(from) + " to " + name(to), from, to, "0", "0", kNoBox});
    rows.insert(rows.end(),
                {
                    {"decimal 0123 loses its leading zero", 10, 10, "0123", "123", kNoBox},
                    {"decimal 1.5: the point is a 0 digit", 10, 10, "1.5", "105", kNoBox},
                    {"decimal 1E5: E is worth 14", 10, 10, "1E5", "245", kNoBox},
                    {"decimal max to hex", 10, 16, "2147483647", "7FFFFFFF", kNoBox},
                    {"decimal max to octal", 10, 8, "2147483647", "17777777777", kNoBox},
                    {"decimal max to binary", 10, 2, "2147483647", std::string(31, '1'), kNoBox},
                    {"hex max to decimal", 16, 10, "7FFFFFFF", "2147483647", kNoBox},
                    {"hex small letters ff read as 255", 16, 10, "ff", "255", kNoBox},
                    {"hex mixed case aBc", 16, 10, "aBc", "2748", kNoBox},
                    {"decimal 2147483648 overflows", 10, 16, "2147483648", nothing, kOverflow},
                    {"hex 80000000 overflows", 16, 10, "80000000", nothing, kOverflow},
                    {"hex FFFFFFFF overflows", 16, 2, "FFFFFFFF", nothing, kOverflow},
                    {"15 nines overflow", 10, 2, "999999999999999", nothing, kOverflow},
                    {"largest double overflows in step 2 alone", 16, 10, "F" + std::string(255, '0'), nothing,
                     kOverflow},
                    {"largest 15-character hex overflows", 16, 8, "FFFFFFFFFFFFFFF", nothing, kOverflow},
                });
    // No window passes a radix above 16: a remainder beyond F is written as its decimal text.
    rows.push_back(
        {"radix 20: a remainder of 17 as the text 17, reversed with the rest", 10, 20, "17", "71", kNoBox});
    for (NumeralSystem from : kSystems)
        rows.push_back({std::string("empty ") + name(from) + " text is a type mismatch", from, 16, "",
                        nothing, kTypeMismatch});
    rows.insert(rows.end(), {
                                {"Cyrillic letter is one 0 digit", 10, 10,
                                 "1\u0416"
                                 "2",
                                 "102", kNoBox},
                                {"emoji is one 0 digit", 10, 10,
                                 "1\U0001F600"
                                 "2",
                                 "102", kNoBox},
                                {"invalid UTF-8 byte is one 0 digit", 10, 10,
                                 "1\xff"
                                 "2",
                                 "102", kNoBox},
                            });
    // Refused before the text is read: no type mismatch for an empty one, one box for two bad radices.
    for (NumeralSystem bad : kRefusedRadices) {
        const std::string radix = std::to_string(bad);
        rows.push_back({"input radix " + radix + " is refused", bad, 10, "12", nothing, kInvalidCall});
        rows.push_back({"output radix " + radix + " is refused", 10, bad, "12", nothing, kInvalidCall});
        rows.push_back({"both radices " + radix + " give one box", bad, bad, "12", nothing, kInvalidCall});
        rows.push_back({"radix " + radix + " with an empty text", bad, 16, "", nothing, kInvalidCall});
    }
    return rows;
}

} // namespace

TEST_CASE("translate") {
    for (const TranslateRow& row : translateRows()) {
        INFO(row.tag);
        BoxRecorder recorder;
        const auto translated =
            modBazelot::TranslateNumber(row.input, row.output, row.text, recorder.callback());
        CHECK(translated == row.result);
        CHECK(recorder.lastLines() == row.boxes);
    }
}

TEST_CASE("convertToDecimal") {
    constexpr double kNothing = -1.0;
    constexpr double kPartialAboveRange = -2.0; // finite, and above what step 2 can write
    struct Row {
        std::string tag;
        NumeralSystem radix;
        std::string text;
        double value;
        Lines boxes;
    };
    std::vector<Row> rows{
        {"hex FF", 16, "FF", 255.0, kNoBox},
        {"hex ff, small letters read like capitals", 16, "ff", 255.0, kNoBox},
        {"hex a1", 16, "a1", 161.0, kNoBox},
        {"hex 1E5", 16, "1E5", 485.0, kNoBox},
        {"hex ABC", 16, "ABC", 2748.0, kNoBox},
        {"hex 7FFFFFFF", 16, "7FFFFFFF", 2147483647.0, kNoBox},
        {"hex G is a 0 digit", 16, "1G", 16.0, kNoBox},
        {"octal 777", 8, "777", 511.0, kNoBox},
        {"binary 1010", 2, "1010", 10.0, kNoBox},
        {"binary 19, the 9 at face value", 2, "19", 11.0, kNoBox},
        {"binary A is worth 10", 2, "A0", 20.0, kNoBox},
        {"decimal 0123", 10, "0123", 123.0, kNoBox},
        {"decimal 1.5", 10, "1.5", 105.0, kNoBox},
        {"decimal 1E5", 10, "1E5", 245.0, kNoBox},
        {"decimal trailing blank", 10, "12 ", 120.0, kNoBox},
        {"decimal leading blank", 10, " 12", 12.0, kNoBox},
        {"decimal -5", 10, "-5", 5.0, kNoBox},
        {"decimal A", 10, "A", 10.0, kNoBox},
        {"a lone blank is 0, not nothing", 10, " ", 0.0, kNoBox},
        {"empty text is nothing, no box", 10, "", kNothing, kNoBox},
        // A zero digit adds nothing even where its weight is beyond the double range.
        {"decimal 310 zeros", 10, std::string(310, '0'), 0.0, kNoBox},
        {"binary 1025 zeros then 1", 2, std::string(1025, '0') + '1', 1.0, kNoBox},
        // A non-zero digit whose term is beyond the range fails; the sum read so far is returned.
        {"decimal 1 then 309 zeros", 10, '1' + std::string(309, '0'), 0.0, kOverflow},
        {"decimal 1 then 308 zeros fits", 10, '1' + std::string(308, '0'), 1e308, kNoBox},
        // 1.5e308 + 1.0e308: each term fits, the running sum does not.
        {"running sum beyond the range", 10, "15" + std::string(307, '0') + '1' + std::string(307, '0'),
         kPartialAboveRange, kOverflow},
    };
    for (NumeralSystem bad : kRefusedRadices) {
        rows.push_back({"radix " + std::to_string(bad) + " is refused", bad, "12", kNothing, kInvalidCall});
        rows.push_back(
            {"radix " + std::to_string(bad) + " with an empty text", bad, "", kNothing, kInvalidCall});
    }

    for (const Row& row : rows) {
        INFO(row.tag);
        BoxRecorder recorder;
        const auto read = modBazelot::ConvertToDecimal(row.radix, row.text, recorder.callback());
        CHECK(recorder.lastLines() == row.boxes);
        if (row.value == kNothing) {
            CHECK(!read.has_value());
        } else if (row.value == kPartialAboveRange) {
            REQUIRE(read.has_value());
            CHECK((std::isfinite(*read) && *read > 2147483647.0));
        } else {
            REQUIRE(read.has_value());
            // Within a few units in the last place: a platform's pow may be that far off near 1e308
            // (mingw-w64's is). Every other row is a whole number below 2^31, where a wrong sum is
            // off by far more.
            CHECK(*read == doctest::Approx(row.value).epsilon(1e-15));
        }
    }
}

TEST_CASE("convertFromDecimal") {
    struct Row {
        const char* tag;
        std::string decimalText;
        std::optional<std::string> binary, octal, decimal, hex;
        Lines boxes;
    };
    const Row rows[] = {
        {"0", "0", "0", "0", "0", "0", kNoBox},
        {"10", "10", "1010", "12", "10", "A", kNoBox},
        {"255", "255", "11111111", "377", "255", "FF", kNoBox},
        {"4096", "4096", "1000000000000", "10000", "4096", "1000", kNoBox},
        {"2147483647", "2147483647", std::string(31, '1'), "17777777777", "2147483647", "7FFFFFFF", kNoBox},
        {"2147483648 overflows", "2147483648", nothing, nothing, nothing, nothing, kOverflow},
        {"1e300 as digits overflows", '1' + std::string(300, '0'), nothing, nothing, nothing, nothing,
         kOverflow},
        {"empty text is a type mismatch", "", nothing, nothing, nothing, nothing, kTypeMismatch},
        {"letters are a type mismatch", "12a", nothing, nothing, nothing, nothing, kTypeMismatch},
        {"leading zeros are read", "000255", "11111111", "377", "255", "FF", kNoBox},
        // Only plain digits are read: no step 1 text has anything else, and reading more went wrong.
        {"a point is a type mismatch", "2.5", nothing, nothing, nothing, nothing, kTypeMismatch},
        {"a sign is a type mismatch", "-1", nothing, nothing, nothing, nothing, kTypeMismatch},
        {"an exponent is a type mismatch", "1e3", nothing, nothing, nothing, nothing, kTypeMismatch},
        {"a blank is a type mismatch", " 12", nothing, nothing, nothing, nothing, kTypeMismatch},
    };
    for (const Row& row : rows) {
        // Not a structured binding: INFO's lambda cannot capture one before clang 16.
        const struct {
            NumeralSystem radix;
            const std::optional<std::string>& digits;
        } cases[] = {{2, row.binary}, {8, row.octal}, {10, row.decimal}, {16, row.hex}};
        for (const auto& written : cases) {
            INFO(row.tag, " in radix ", written.radix);
            BoxRecorder recorder;
            CHECK(modBazelot::ConvertFromDecimal(written.radix, row.decimalText, recorder.callback()) ==
                  written.digits);
            CHECK(recorder.lastLines() == row.boxes);
        }
    }
    // Refused before the text is read, so a text that would fail gives no second box.
    for (NumeralSystem bad : kRefusedRadices)
        for (const char* decimalText : {"255", "12a"}) {
            INFO("\"", decimalText, "\" in radix ", bad);
            BoxRecorder recorder;
            CHECK(modBazelot::ConvertFromDecimal(bad, decimalText, recorder.callback()) == nothing);
            CHECK(recorder.lastLines() == kInvalidCall);
        }
}

TEST_CASE("failureBoxIsExact") {
    BoxRecorder recorder;
    modBazelot::TranslateNumber(10, 2, "2147483648", recorder.callback());
    modBazelot::TranslateNumber(10, 2, "", recorder.callback());
    modBazelot::TranslateNumber(10, 0, "12", recorder.callback());
    REQUIRE(recorder.boxes.size() == 3);
    for (const auto& box : recorder.boxes)
        CHECK(box.first == "Translation Module Error");
    const std::string lead = "The translation was not successful. Something went terribly wrong.\r\n\r\n";
    CHECK(recorder.boxes[0].second == lead + "Overflow #6");
    CHECK(recorder.boxes[1].second == lead + "Type mismatch #13");
    CHECK(recorder.boxes[2].second == lead + "Invalid procedure call or argument #5");
}

TEST_CASE("longTexts") {
    struct Row {
        const char* tag;
        NumeralSystem radix;
        std::string text;
        std::optional<std::string> result;
        Lines boxes;
    };
    const Row rows[] = {
        {"32767 zeros translate to 0", 2, std::string(32767, '0'), "0", kNoBox},
        {"32767 Cyrillic letters translate to 0", 10, repeat("\u0416", 32767), "0", kNoBox},
        // Refused before reading: step 1 shows overflow, step 2 then meets the empty text.
        {"32768 zeros: overflow, then type mismatch", 2, std::string(32768, '0'), nothing,
         kOverflow + kTypeMismatch},
        {"32767 ones: overflow in both steps", 2, std::string(32767, '1'), nothing, kOverflow + kOverflow},
        {"32767 digits ending in 5", 10, std::string(32766, '0') + '5', "101", kNoBox},
        {"radix 0 is refused before the length", 0, std::string(32768, '0'), nothing, kInvalidCall},
    };
    for (const Row& row : rows) {
        INFO(row.tag);
        BoxRecorder recorder;
        CHECK(modBazelot::TranslateNumber(row.radix, 2, row.text, recorder.callback()) == row.result);
        CHECK(recorder.lastLines() == row.boxes);
    }
}

TEST_CASE("noCallbackIsSafe") {
    CHECK(!modBazelot::TranslateNumber(10, 2, "", modBazelot::ShowMessage()).has_value());
    CHECK(!modBazelot::TranslateNumber(0, 2, "12", modBazelot::ShowMessage()).has_value());
}
