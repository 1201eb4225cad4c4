#include "ui/main/InputCheck.h"

#include "engine/NumberText.h"

#include <array>
#include <string_view>

namespace {

struct SystemRule {
    bool numericTestFirst;
    std::string_view digits;
    Verdict otherCharacter;
};

// By option index. The engine reads every character it does not know as a 0 digit, so a sign, a
// separator, an exponent or a letter beyond F would give a plainly wrong result: only the digits of
// the system pass. Decimal and hexadecimal refuse them for that reason; binary and octal always did.
constexpr std::array<SystemRule, 4> kRules{{
    {true, "0123456789", Verdict::NotNumber},
    {true, "01", Verdict::NotBinary},
    {true, "01234567", Verdict::NotOctal},
    {false, "0123456789ABCDEFabcdef", Verdict::NotHexadecimal},
}};

bool isOneOf(QChar c, std::string_view digits) {
    return c.unicode() < 0x80 && digits.find(static_cast<char>(c.unicode())) != std::string_view::npos;
}

} // namespace

Verdict checkInput(const QString& text, int selectedInputIndex, const QString& decimalSeparator) {
    if (text.isEmpty())
        return Verdict::Empty;
    if (selectedInputIndex < 0 || selectedInputIndex >= static_cast<int>(kRules.size()))
        return Verdict::NoSystem;
    const SystemRule& rule = kRules[static_cast<std::size_t>(selectedInputIndex)];
    if (rule.numericTestFirst && !NumberText::isNumeric(text.toStdString(), decimalSeparator.toStdString()))
        return Verdict::NotNumber;
    for (const QChar c : text) {
        if (!isOneOf(c, rule.digits))
            return rule.otherCharacter;
    }
    return Verdict::Accepted;
}
