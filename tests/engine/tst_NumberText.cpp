#include "engine/NumberText.h"

#include <doctest/doctest.h>

#include <cstdint>
#include <limits>
#include <string>

using NumberText::Failure;

namespace {
// -1 stands for "not a number", -2 for "overflow": no accepted text in the tables reads as those.
double outcome(const NumberText::Result<double>& result) {
    if (const auto* failure = std::get_if<Failure>(&result))
        return failure->number == NumberText::kOverflow ? -2.0 : -1.0;
    return std::get<double>(result);
}
} // namespace

TEST_CASE("readNumber") {
    struct Row {
        const char* tag;
        std::string text;
        const char* separator;
        double value;
    };
    const Row rows[] = {
        {"digits", "255", ".", 255.0},
        {"minus", "-5", ".", -5.0},
        {"plus", "+5", ".", 5.0},
        {"blanks around", "  7 ", ".", 7.0},
        {"tab before", "\t7", ".", 7.0},
        {"exponent", "1E3", ".", 1000.0},
        {"small exponent with sign", "25e-1", ".", 2.5},
        {"point separator", "1.5", ".", 1.5},
        {"comma separator", "1,5", ",", 1.5},
        {"separator first", ".5", ".", 0.5},
        {"separator last", "5.", ".", 5.0},
        {"tiny exponent reads as zero", "1e-400", ".", 0.0},
        {"leading zeros", "0101", ".", 101.0},
        {"exponent beyond range overflows", "1e400", ".", -2.0},
        {"310 digits overflow", '1' + std::string(309, '0'), ".", -2.0},
        {"empty", "", ".", -1.0},
        {"blanks alone", "   ", ".", -1.0},
        {"sign alone", "-", ".", -1.0},
        {"separator alone", ".", ".", -1.0},
        {"two separators", "1.2.3", ".", -1.0},
        {"other locale's separator", "1.5", ",", -1.0},
        {"digit-group separator is not a number", "1,000", ".", -1.0},
        {"letter after digits", "12a", ".", -1.0},
        {"exponent without digits", "1E", ".", -1.0},
        {"two signs", "+-1", ".", -1.0},
        {"blank inside", "1 2", ".", -1.0},
        {"hex prefix", "0x10", ".", -1.0},
        {"inf", "inf", ".", -1.0},
        {"nan", "nan", ".", -1.0},
        {"full-width digit", "\uFF11", ".", -1.0},
    };
    for (const Row& row : rows) {
        INFO(row.tag);
        CHECK(outcome(NumberText::readNumber(row.text, row.separator)) == row.value);
        CHECK(NumberText::isNumeric(row.text, row.separator) == (row.value != -1.0));
    }
}

TEST_CASE("roundToInt32") {
    constexpr std::int64_t kOverflows = std::int64_t(1) << 32; // outside 32 bits
    struct Row {
        const char* tag;
        double value;
        std::int64_t rounded;
    };
    const Row rows[] = {
        {"half to even down", 0.5, 0},
        {"half to even up", 1.5, 2},
        {"2.5 to 2", 2.5, 2},
        {"-0.5 to 0", -0.5, 0},
        {"-1.5 to -2", -1.5, -2},
        {"just below half", 2.4999, 2},
        {"just above half", 2.5001, 3},
        {"max", 2147483647.0, 2147483647},
        {"max plus a bit rounds down", 2147483647.4, 2147483647},
        {"max plus half rounds out", 2147483647.5, kOverflows},
        {"min", -2147483648.0, -2147483648LL},
        {"min minus half rounds to even min", -2147483648.5, -2147483648LL},
        {"min minus more overflows", -2147483648.6, kOverflows},
        {"2147483648 overflows", 2147483648.0, kOverflows},
        {"infinity overflows", std::numeric_limits<double>::infinity(), kOverflows},
    };
    for (const Row& row : rows) {
        INFO(row.tag);
        const auto result = NumberText::roundToInt32(row.value);
        if (row.rounded == kOverflows) {
            REQUIRE(std::holds_alternative<Failure>(result));
            CHECK(std::get<Failure>(result) == NumberText::overflow());
        } else {
            REQUIRE(std::holds_alternative<std::int32_t>(result));
            CHECK(std::int64_t(std::get<std::int32_t>(result)) == row.rounded);
        }
    }
}

TEST_CASE("writeDecimal") {
    struct Row {
        const char* tag;
        double value;
        const char* text; // null: 301 plain digits
    };
    const Row rows[] = {
        {"zero", 0.0, "0"},
        {"31 bits", 2147483647.0, "2147483647"},
        {"beyond 32 bits", 2147483648.0, "2147483648"},
        {"1e20 without exponent", 1e20, "100000000000000000000"},
        {"1e300 has 301 digits", 1e300, nullptr},
        {"a fraction", 0.5, "0.5"},
        {"a negative whole number", -8.0, "-8"},
    };
    for (const Row& row : rows) {
        INFO(row.tag);
        const std::string written = NumberText::writeDecimal(row.value);
        if (!row.text) {
            CHECK(written.size() == 301);
            CHECK(written.find('e') == std::string::npos);
        } else {
            CHECK(written == row.text);
        }
        const auto readBack = NumberText::readNumber(written);
        REQUIRE(std::holds_alternative<double>(readBack));
        CHECK(std::get<double>(readBack) == row.value);
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
