#include "ui/main/InputCheck.h"

#include <QTest>

Q_DECLARE_METATYPE(Verdict)

namespace {

constexpr int kDecimal = 0;
constexpr int kBinary = 1;
constexpr int kOctal = 2;
constexpr int kHexadecimal = 3;

} // namespace

class tst_InputCheck : public QObject {
    Q_OBJECT

private slots:
    void verdict_data();
    void verdict();
    void separatorOfTheLocale_data();
    void separatorOfTheLocale();
};

void tst_InputCheck::verdict_data() {
    QTest::addColumn<int>("system");
    QTest::addColumn<QString>("text");
    QTest::addColumn<Verdict>("expected");

    auto row = [](const char* tag, int system, const char* text, Verdict expected) {
        QTest::newRow(tag) << system << QString::fromUtf8(text) << expected;
    };

    for (int system : {kDecimal, kBinary, kOctal, kHexadecimal})
        row(qPrintable(QStringLiteral("empty in system %1").arg(system)), system, "", Verdict::Empty);
    row("empty with no system pressed", -1, "", Verdict::Empty);
    row("no system pressed", -1, "12", Verdict::NoSystem);
    row("index beyond the four systems", 4, "12", Verdict::NoSystem);

    row("decimal 255", kDecimal, "255", Verdict::Accepted);
    row("decimal leading zero", kDecimal, "0123", Verdict::Accepted);
    row("decimal fifteen nines", kDecimal, "999999999999999", Verdict::Accepted);
    // The engine would read these as 0 digits and show a wrong number: refused.
    row("decimal minus sign", kDecimal, "-5", Verdict::NotNumber);
    row("decimal plus sign", kDecimal, "+5", Verdict::NotNumber);
    row("decimal blanks around", kDecimal, " 7 ", Verdict::NotNumber);
    row("decimal exponent", kDecimal, "1E3", Verdict::NotNumber);
    row("decimal fraction", kDecimal, "1.5", Verdict::NotNumber);
    row("decimal group separator", kDecimal, "1,000", Verdict::NotNumber);
    row("decimal letter", kDecimal, "12a", Verdict::NotNumber);
    row("decimal lone minus", kDecimal, "-", Verdict::NotNumber);
    row("decimal blank alone", kDecimal, " ", Verdict::NotNumber);
    row("decimal hex letters", kDecimal, "FF", Verdict::NotNumber);
    row("decimal Arabic-Indic digits", kDecimal, "١٢", Verdict::NotNumber);
    row("decimal fullwidth digits", kDecimal, "１２", Verdict::NotNumber);

    row("binary 1011", kBinary, "1011", Verdict::Accepted);
    row("binary leading zero", kBinary, "0101", Verdict::Accepted);
    row("binary digit 2", kBinary, "102", Verdict::NotBinary);
    row("binary letter before the digit test", kBinary, "10a", Verdict::NotNumber);
    row("binary minus sign", kBinary, "-1", Verdict::NotBinary);
    row("binary exponent", kBinary, "1E1", Verdict::NotBinary);
    row("binary blank before", kBinary, " 1", Verdict::NotBinary);
    row("binary fraction", kBinary, "1.0", Verdict::NotBinary);
    row("binary lone sign", kBinary, "+", Verdict::NotNumber);

    row("octal 777", kOctal, "777", Verdict::Accepted);
    row("octal 0", kOctal, "0", Verdict::Accepted);
    row("octal 8", kOctal, "8", Verdict::NotOctal);
    row("octal 78", kOctal, "78", Verdict::NotOctal);
    row("octal 19", kOctal, "19", Verdict::NotOctal);
    row("octal letter before the digit test", kOctal, "7z", Verdict::NotNumber);

    row("hex FF", kHexadecimal, "FF", Verdict::Accepted);
    row("hex small letters", kHexadecimal, "abcdef", Verdict::Accepted);
    row("hex all digits", kHexadecimal, "0123456789ABCDE", Verdict::Accepted);
    // Every other character used to pass and was read as a 0 digit: refused.
    row("hex ZZ", kHexadecimal, "ZZ", Verdict::NotHexadecimal);
    row("hex exclamation mark", kHexadecimal, "!", Verdict::NotHexadecimal);
    row("hex G after digits", kHexadecimal, "1G", Verdict::NotHexadecimal);
    row("hex minus sign", kHexadecimal, "-1", Verdict::NotHexadecimal);
    row("hex blank", kHexadecimal, "F F", Verdict::NotHexadecimal);
    row("hex fraction", kHexadecimal, "1.5", Verdict::NotHexadecimal);
    row("hex Cyrillic letter", kHexadecimal, "Ф", Verdict::NotHexadecimal);
    row("hex fullwidth letter", kHexadecimal, "Ａ", Verdict::NotHexadecimal);
}

void tst_InputCheck::verdict() {
    QFETCH(int, system);
    QFETCH(QString, text);
    QFETCH(Verdict, expected);
    QCOMPARE(checkInput(text, system, QStringLiteral(".")), expected);
}

// Only the binary and octal rules run the numeric test, which uses the locale's separator: a
// separator of another locale makes the text no number at all.
void tst_InputCheck::separatorOfTheLocale_data() {
    QTest::addColumn<QString>("separator");
    QTest::addColumn<int>("system");
    QTest::addColumn<QString>("text");
    QTest::addColumn<Verdict>("expected");

    QTest::newRow("binary comma, comma locale") << "," << kBinary << "1,0" << Verdict::NotBinary;
    QTest::newRow("binary point, comma locale") << "," << kBinary << "1.0" << Verdict::NotNumber;
    QTest::newRow("binary comma, point locale") << "." << kBinary << "1,0" << Verdict::NotNumber;
    QTest::newRow("octal comma, comma locale") << "," << kOctal << "7,0" << Verdict::NotOctal;
    QTest::newRow("decimal comma, comma locale") << "," << kDecimal << "1,5" << Verdict::NotNumber;
    QTest::newRow("binary Arabic separator") << "٫" << kBinary << "1٫0" << Verdict::NotBinary;
}

void tst_InputCheck::separatorOfTheLocale() {
    QFETCH(QString, separator);
    QFETCH(int, system);
    QFETCH(QString, text);
    QFETCH(Verdict, expected);
    QCOMPARE(checkInput(text, system, separator), expected);
}

QTEST_APPLESS_MAIN(tst_InputCheck)
#include "tst_InputCheck.moc"
