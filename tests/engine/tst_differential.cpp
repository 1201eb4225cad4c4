#include "engine/modBazelot.h"

#include <QTest>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <random>

using modBazelot::NumeralSystem;

namespace {

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
class tst_differential : public QObject {
    Q_OBJECT

private slots:
    void agreesWithStandardLibrary_data();
    void agreesWithStandardLibrary();
    void firstValueAboveRangeOverflows_data();
    void firstValueAboveRangeOverflows();
};

void tst_differential::agreesWithStandardLibrary_data() {
    QTest::addColumn<NumeralSystem>("input");
    QTest::addColumn<NumeralSystem>("output");
    for (NumeralSystem input : {10, 2, 8, 16})
        for (NumeralSystem output : {10, 2, 8, 16})
            QTest::addRow("%s to %s", name(input), name(output)) << input << output;
}

void tst_differential::agreesWithStandardLibrary() {
    QFETCH(NumeralSystem, input);
    QFETCH(NumeralSystem, output);

    static const std::vector<std::uint32_t> boundaries = boundaryValues();
    static const std::vector<std::uint32_t> spread = spreadValues();
    int boxes = 0;
    const modBazelot::ShowMessage countBoxes = [&boxes](const std::string&, const std::string&) {
        ++boxes;
    };
    for (const auto* values : {&boundaries, &spread}) {
        for (std::uint32_t value : *values) {
            // Lower-case input on odd values: hex text is read in either case.
            const std::string text = toText(value, input, value % 2 == 0);
            const std::optional<std::string> result =
                modBazelot::TranslateNumber(input, output, text, countBoxes);
            const std::string expected = toText(value, output, true);
            if (!result || *result != expected)
                QFAIL(
                    qPrintable(QStringLiteral("%1 (%2) gave %3, expected %4")
                                   .arg(QString::fromStdString(text))
                                   .arg(value)
                                   .arg(result ? QString::fromStdString(*result) : QStringLiteral("nothing"))
                                   .arg(QString::fromStdString(expected))));
            std::uint32_t readBack = 0;
            std::from_chars(result->data(), result->data() + result->size(), readBack, output);
            QCOMPARE(readBack, value);
        }
    }
    QCOMPARE(boxes, 0);
}

void tst_differential::firstValueAboveRangeOverflows_data() {
    agreesWithStandardLibrary_data();
}

void tst_differential::firstValueAboveRangeOverflows() {
    QFETCH(NumeralSystem, input);
    QFETCH(NumeralSystem, output);

    std::vector<std::string> prompts;
    const auto result = modBazelot::TranslateNumber(
        input, output, toText(2147483648u, input, true),
        [&prompts](const std::string&, const std::string& prompt) { prompts.push_back(prompt); });
    QVERIFY(!result.has_value());
    QCOMPARE(prompts.size(), 1u);
    QVERIFY(prompts.front().ends_with("\r\n\r\nOverflow #6"));
}

QTEST_APPLESS_MAIN(tst_differential)
#include "tst_differential.moc"
