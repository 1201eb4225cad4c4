#include "core/InputCheck.h"

#include <doctest/doctest.h>

#include <optional>

namespace {

constexpr std::optional<SystemOption> kNone;
constexpr auto kDecimal = SystemOption::Decimal;
constexpr auto kBinary = SystemOption::Binary;
constexpr auto kOctal = SystemOption::Octal;
constexpr auto kHexadecimal = SystemOption::Hexadecimal;

struct VerdictRow {
    const char* tag;
    std::optional<SystemOption> system;
    const char* text;
    Verdict expected;
    const char* separator = ".";
};

} // namespace

TEST_CASE("the verdict on a text in the pressed system") {
    const VerdictRow rows[] = {
        {"empty in decimal", kDecimal, "", Verdict::Empty},
        {"empty in binary", kBinary, "", Verdict::Empty},
        {"empty in octal", kOctal, "", Verdict::Empty},
        {"empty in hexadecimal", kHexadecimal, "", Verdict::Empty},
        {"empty with no system pressed", kNone, "", Verdict::Empty},
        {"no system pressed", kNone, "12", Verdict::NoSystem},

        {"decimal 255", kDecimal, "255", Verdict::Accepted},
        {"decimal leading zero", kDecimal, "0123", Verdict::Accepted},
        {"decimal fifteen nines", kDecimal, "999999999999999", Verdict::Accepted},
        // The engine would read these as 0 digits and show a wrong number: refused.
        {"decimal minus sign", kDecimal, "-5", Verdict::NotNumber},
        {"decimal plus sign", kDecimal, "+5", Verdict::NotNumber},
        {"decimal blanks around", kDecimal, " 7 ", Verdict::NotNumber},
        {"decimal exponent", kDecimal, "1E3", Verdict::NotNumber},
        {"decimal fraction", kDecimal, "1.5", Verdict::NotNumber},
        {"decimal group separator", kDecimal, "1,000", Verdict::NotNumber},
        {"decimal letter", kDecimal, "12a", Verdict::NotNumber},
        {"decimal lone minus", kDecimal, "-", Verdict::NotNumber},
        {"decimal blank alone", kDecimal, " ", Verdict::NotNumber},
        {"decimal hex letters", kDecimal, "FF", Verdict::NotNumber},
        {"decimal Arabic-Indic digits", kDecimal, "١٢", Verdict::NotNumber},
        {"decimal fullwidth digits", kDecimal, "１２", Verdict::NotNumber},

        {"binary 1011", kBinary, "1011", Verdict::Accepted},
        {"binary leading zero", kBinary, "0101", Verdict::Accepted},
        {"binary digit 2", kBinary, "102", Verdict::NotBinary},
        {"binary letter before the digit test", kBinary, "10a", Verdict::NotNumber},
        {"binary minus sign", kBinary, "-1", Verdict::NotBinary},
        {"binary exponent", kBinary, "1E1", Verdict::NotBinary},
        {"binary blank before", kBinary, " 1", Verdict::NotBinary},
        {"binary fraction", kBinary, "1.0", Verdict::NotBinary},
        {"binary lone sign", kBinary, "+", Verdict::NotNumber},

        {"octal 777", kOctal, "777", Verdict::Accepted},
        {"octal 0", kOctal, "0", Verdict::Accepted},
        {"octal 8", kOctal, "8", Verdict::NotOctal},
        {"octal 78", kOctal, "78", Verdict::NotOctal},
        {"octal 19", kOctal, "19", Verdict::NotOctal},
        {"octal letter before the digit test", kOctal, "7z", Verdict::NotNumber},

        {"hex FF", kHexadecimal, "FF", Verdict::Accepted},
        {"hex small letters", kHexadecimal, "abcdef", Verdict::Accepted},
        {"hex all digits", kHexadecimal, "0123456789ABCDE", Verdict::Accepted},
        // Every other character used to pass and was read as a 0 digit: refused.
        {"hex ZZ", kHexadecimal, "ZZ", Verdict::NotHexadecimal},
        {"hex exclamation mark", kHexadecimal, "!", Verdict::NotHexadecimal},
        {"hex G after digits", kHexadecimal, "1G", Verdict::NotHexadecimal},
        {"hex minus sign", kHexadecimal, "-1", Verdict::NotHexadecimal},
        {"hex blank", kHexadecimal, "F F", Verdict::NotHexadecimal},
        {"hex fraction", kHexadecimal, "1.5", Verdict::NotHexadecimal},
        {"hex Cyrillic letter", kHexadecimal, "Ф", Verdict::NotHexadecimal},
        {"hex fullwidth letter", kHexadecimal, "Ａ", Verdict::NotHexadecimal},

        // Only the binary and octal rules run the numeric test, which uses the locale's separator: a
        // separator of another locale makes the text no number at all.
        {"binary comma, comma locale", kBinary, "1,0", Verdict::NotBinary, ","},
        {"binary point, comma locale", kBinary, "1.0", Verdict::NotNumber, ","},
        {"binary comma, point locale", kBinary, "1,0", Verdict::NotNumber, "."},
        {"octal comma, comma locale", kOctal, "7,0", Verdict::NotOctal, ","},
        {"decimal comma, comma locale", kDecimal, "1,5", Verdict::NotNumber, ","},
        {"binary Arabic separator", kBinary, "1٫0", Verdict::NotBinary, "٫"},
    };
    for (const VerdictRow& row : rows) {
        CAPTURE(row.tag);
        CHECK(checkInput(row.text, row.system, row.separator) == row.expected);
    }
}

TEST_CASE("the input box counts, cuts and pastes whole characters") {
    struct Row {
        const char* tag;
        const char* clipboard;
        std::size_t room;
        const char* pasted;
    };
    const Row rows[] = {
        {"plain digits", "255", 15, "255"},
        {"a terminal's line break", "255\n", 15, "255"},
        {"Windows line break and blanks at both ends", " \t255 \r\n", 15, "255"},
        {"blanks inside stay", "2 5", 15, "2 5"},
        {"blanks only", " \r\n", 15, ""},
        {"cut to the room", "123456789", 4, "1234"},
        {"no room", "1", 0, ""},
        // Each emoji is one character outside the basic plane, a surrogate pair in UTF-16.
        {"ten emoji into fifteen", "😀😀😀😀😀😀😀😀😀😀", 15, "😀😀😀😀😀😀😀😀😀😀"},
        {"emoji cut whole", "😀😀😀", 2, "😀😀"},
        {"Cyrillic cut whole", "ФФФ", 1, "Ф"},
        {"an invalid byte is one character", "\xff\xfe", 1, "\xff"},
    };
    for (const Row& row : rows) {
        CAPTURE(row.tag);
        CHECK(pastedText(row.clipboard, row.room) == row.pasted);
        // A drop is a paste, and takes the text away from its source only when it takes all of it.
        const DroppedText dropped = droppedText(row.clipboard, row.room);
        CHECK(dropped.text == row.pasted);
        CHECK(dropped.whole == (std::string_view(row.clipboard) == row.pasted));
    }
    CHECK(characterCount("😀Ф1") == 3);
    CHECK(characterCount("") == 0);
    CHECK(firstCharacters("Ф😀1", 2) == "Ф😀");
    CHECK(roomLeft("😀😀😀😀😀😀😀😀😀😀😀😀😀😀", "") == 1);
    CHECK(roomLeft("123456789012345", "45") == 2);
    CHECK(roomLeft("1234567890123456", "") == 0);
}

TEST_CASE("what one typed key inserts") {
    constexpr HeldModifiers kNothing, kControl{true, false}, kAlt{false, true}, kBoth{true, true};
    struct Row {
        const char* tag;
        const char* typed;
        const char* upper;
        HeldModifiers held;
        const char* inserted;
    };
    const Row rows[] = {
        {"a letter, upper-cased", "f", "F", kNothing, "F"},
        {"a Cyrillic letter, upper-cased", "ж", "Ж", kNothing, "Ж"},
        {"one key, one character", "ß", "SS", kNothing, "ß"},
        // A key with Alt or Ctrl is a command; where no control takes it, it still types nothing.
        {"Alt and a letter", "c", "C", kAlt, ""},
        {"Alt and a digit", "1", "1", kAlt, ""},
        {"Ctrl and a letter", "\x03", "\x03", kControl, ""},
        {"Ctrl, Alt and a letter", "c", "C", kBoth, ""},
    };
    for (const Row& row : rows) {
        CAPTURE(row.tag);
        CHECK(typedCharacter(row.typed, row.upper, row.held) == row.inserted);
    }
}
