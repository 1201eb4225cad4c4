#include "engine/NumberText.h"

#include <doctest/doctest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

using NumberText::Failure;

namespace {
// Doubles a text of decimal digits the way it is done by hand: an oracle for the powers of two.
std::string doubled(const std::string& digits) {
    std::string out;
    int carry = 0;
    for (auto c = digits.rbegin(); c != digits.rend(); ++c) {
        const int twice = (*c - '0') * 2 + carry;
        out.insert(out.begin(), char('0' + twice % 10));
        carry = twice / 10;
    }
    return carry ? '1' + out : out;
}
} // namespace

TEST_CASE("isNumeric") {
    struct Row {
        const char* tag;
        std::string text;
        const char* separator;
        bool numeric;
    };
    const Row rows[] = {
        {"digits", "255", ".", true},
        {"minus", "-5", ".", true},
        {"plus", "+5", ".", true},
        {"blanks around", "  7 ", ".", true},
        {"tab before", "\t7", ".", true},
        {"exponent", "1E3", ".", true},
        {"small exponent with sign", "25e-1", ".", true},
        {"point separator", "1.5", ".", true},
        {"comma separator", "1,5", ",", true},
        {"separator first", ".5", ".", true},
        {"separator last", "5.", ".", true},
        {"tiny exponent is a number", "1e-400", ".", true},
        {"leading zeros", "0101", ".", true},
        {"exponent beyond range is a number", "1e400", ".", true},
        {"310 digits are a number", '1' + std::string(309, '0'), ".", true},
        {"empty", "", ".", false},
        {"blanks alone", "   ", ".", false},
        {"sign alone", "-", ".", false},
        {"separator alone", ".", ".", false},
        {"two separators", "1.2.3", ".", false},
        {"other locale's separator", "1.5", ",", false},
        {"digit-group separator is not a number", "1,000", ".", false},
        {"letter after digits", "12a", ".", false},
        {"exponent without digits", "1E", ".", false},
        {"two signs", "+-1", ".", false},
        {"blank inside", "1 2", ".", false},
        {"hex prefix", "0x10", ".", false},
        {"inf", "inf", ".", false},
        {"nan", "nan", ".", false},
        {"full-width digit", "\uFF11", ".", false},
    };
    for (const Row& row : rows) {
        INFO(row.tag);
        CHECK(NumberText::isNumeric(row.text, row.separator) == row.numeric);
    }
}

TEST_CASE("readWhole") {
    constexpr std::int64_t kOverflows = -1;
    constexpr std::int64_t kMismatch = -2;
    struct Row {
        const char* tag;
        std::string text;
        std::int64_t value;
    };
    const Row rows[] = {
        {"zero", "0", 0},
        {"max", "2147483647", 2147483647},
        {"leading zeros", "000255", 255},
        {"max after many zeros", std::string(400, '0') + "2147483647", 2147483647},
        {"max plus one overflows", "2147483648", kOverflows},
        {"309 digits overflow", '1' + std::string(308, '0'), kOverflows},
        {"empty", "", kMismatch},
        {"fraction", "2.5", kMismatch},
        {"minus", "-1", kMismatch},
        {"plus", "+1", kMismatch},
        {"exponent", "1e3", kMismatch},
        {"leading blank", " 12", kMismatch},
        {"trailing blank", "12 ", kMismatch},
        {"separator", "1,000", kMismatch},
        {"letter after digits beyond the range", "99999999999a", kMismatch},
        {"full-width digit", "\uFF11", kMismatch},
    };
    for (const Row& row : rows) {
        INFO(row.tag);
        const auto result = NumberText::readWhole(row.text);
        if (row.value < 0) {
            REQUIRE(std::holds_alternative<Failure>(result));
            CHECK(std::get<Failure>(result) ==
                  (row.value == kOverflows ? NumberText::overflow() : NumberText::typeMismatch()));
        } else {
            REQUIRE(std::holds_alternative<std::int32_t>(result));
            CHECK(std::get<std::int32_t>(result) == row.value);
        }
    }
}

TEST_CASE("writeWhole") {
    struct Row {
        const char* tag;
        double value;
        const char* text;
    };
    const Row rows[] = {
        {"zero", 0.0, "0"},
        {"31 bits", 2147483647.0, "2147483647"},
        {"2^53 plus 2", 9007199254740994.0, "9007199254740994"},
        {"largest below 2^64", 18446744073709549568.0, "18446744073709549568"},
        {"1e20 without exponent", 1e20, "100000000000000000000"},
        {"1e23 is the double nearest it", 1e23, "99999999999999991611392"},
        {"largest double, 309 digits", std::numeric_limits<double>::max(),

         "179769313486231570814527423731704356798070567525844996598917476803157260780028538760589558632766878"
         "1"
         "715404589535143824642343213268894641827684675467035375169860499105765512820762454900903893289440758"
         "6"
         "850845513394230458323690322294816580855933212334827479782620414472316873817718091929988125040402618"
         "4124858368"},
    };
    for (const Row& row : rows) {
        INFO(row.tag);
        CHECK(NumberText::writeWhole(row.value) == row.text);
    }
    std::string power = "1";
    for (int exponent = 0; exponent <= 1023; ++exponent, power = doubled(power)) {
        INFO("2^", exponent);
        CHECK(NumberText::writeWhole(std::ldexp(1.0, exponent)) == power);
    }
}

TEST_CASE("codePoints") {
    struct Row {
        const char* tag;
        std::string_view utf8;
        std::size_t count;
    };
    const Row rows[] = {
        {"ASCII", "abc", 3},
        {"Cyrillic is one each", "\xD0\x96\xD0\x96", 2},
        {"emoji is one", "\xF0\x9F\x98\x80", 1},
        {"stray continuation byte", "\x80", 1},
        {"truncated sequence counts byte by byte", "\xE2\x82", 2},
        {"overlong slash", "\xC0\xAF", 2},
        {"surrogate", "\xED\xA0\x80", 3},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80", 4},
    };
    for (const Row& row : rows) {
        INFO(row.tag);
        CHECK(NumberText::codePoints(row.utf8).size() == row.count);
    }
}
