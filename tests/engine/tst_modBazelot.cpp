#include "engine/modBazelot.h"

#include <QStringList>
#include <QTest>

using modBazelot::NumeralSystem;

namespace {

// Records every failure box instead of showing it; keeps the third line ("Overflow #6") for tables.
struct BoxRecorder {
    std::vector<std::pair<std::string, std::string>> boxes;

    modBazelot::ShowMessage callback() {
        return [this](const std::string& title, const std::string& prompt) {
            boxes.emplace_back(title, prompt);
        };
    }

    QStringList lastLines() const {
        QStringList lines;
        for (const auto& [title, prompt] : boxes)
            lines << QString::fromStdString(prompt).split(QStringLiteral("\r\n")).last();
        return lines;
    }
};

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

constexpr NumeralSystem kSystems[] = {10, 2, 8, 16};
const QStringList kNoBox;
const QStringList kOverflow{QStringLiteral("Overflow #6")};
const QStringList kTypeMismatch{QStringLiteral("Type mismatch #13")};

QString nothing() {
    return QString();
} // a null QString stands for "nothing"

QString fromOptional(const std::optional<std::string>& value) {
    return value ? QString::fromStdString(*value) : QString();
}

} // namespace

class tst_modBazelot : public QObject {
    Q_OBJECT

private slots:
    void translate_data();
    void translate();
    void convertToDecimal_data();
    void convertToDecimal();
    void convertFromDecimal_data();
    void convertFromDecimal();
    void failureBoxIsExact();
    void longTexts_data();
    void longTexts();
    void noCallbackIsSafe();
};

void tst_modBazelot::translate_data() {
    QTest::addColumn<NumeralSystem>("input");
    QTest::addColumn<NumeralSystem>("output");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QStringList>("boxes");

    QTest::newRow("decimal 255 to hex FF") << NumeralSystem(10) << NumeralSystem(16) << "255"
                                           << "FF" << kNoBox;
    QTest::newRow("decimal 255 to binary") << NumeralSystem(10) << NumeralSystem(2) << "255"
                                           << "11111111" << kNoBox;
    QTest::newRow("decimal 255 to octal 377") << NumeralSystem(10) << NumeralSystem(8) << "255"
                                              << "377" << kNoBox;
    QTest::newRow("hex FF to decimal 255") << NumeralSystem(16) << NumeralSystem(10) << "FF"
                                           << "255" << kNoBox;
    QTest::newRow("hex ABC to octal 5274") << NumeralSystem(16) << NumeralSystem(8) << "ABC"
                                           << "5274" << kNoBox;
    QTest::newRow("hex 1E5 to binary") << NumeralSystem(16) << NumeralSystem(2) << "1E5"
                                       << "111100101" << kNoBox;
    for (NumeralSystem from : kSystems)
        for (NumeralSystem to : kSystems)
            QTest::addRow("0 from %s to %s", name(from), name(to)) << from << to << "0"
                                                                   << "0" << kNoBox;
    QTest::newRow("decimal 0123 loses its leading zero") << NumeralSystem(10) << NumeralSystem(10) << "0123"
                                                         << "123" << kNoBox;
    QTest::newRow("decimal 1.5: the point is a 0 digit") << NumeralSystem(10) << NumeralSystem(10) << "1.5"
                                                         << "105" << kNoBox;
    QTest::newRow("decimal 1E5: E is worth 14") << NumeralSystem(10) << NumeralSystem(10) << "1E5"
                                                << "245" << kNoBox;
    QTest::newRow("decimal max to hex") << NumeralSystem(10) << NumeralSystem(16) << "2147483647"
                                        << "7FFFFFFF" << kNoBox;
    QTest::newRow("decimal max to octal") << NumeralSystem(10) << NumeralSystem(8) << "2147483647"
                                          << "17777777777" << kNoBox;
    QTest::newRow("decimal max to binary")
        << NumeralSystem(10) << NumeralSystem(2) << "2147483647" << QString(31, '1') << kNoBox;
    QTest::newRow("hex max to decimal") << NumeralSystem(16) << NumeralSystem(10) << "7FFFFFFF"
                                        << "2147483647" << kNoBox;
    QTest::newRow("hex small letters ff read as 255") << NumeralSystem(16) << NumeralSystem(10) << "ff"
                                                      << "255" << kNoBox;
    QTest::newRow("hex mixed case aBc") << NumeralSystem(16) << NumeralSystem(10) << "aBc"
                                        << "2748" << kNoBox;
    QTest::newRow("decimal 2147483648 overflows")
        << NumeralSystem(10) << NumeralSystem(16) << "2147483648" << nothing() << kOverflow;
    QTest::newRow("hex 80000000 overflows")
        << NumeralSystem(16) << NumeralSystem(10) << "80000000" << nothing() << kOverflow;
    QTest::newRow("hex FFFFFFFF overflows")
        << NumeralSystem(16) << NumeralSystem(2) << "FFFFFFFF" << nothing() << kOverflow;
    QTest::newRow("15 nines overflow")
        << NumeralSystem(10) << NumeralSystem(2) << "999999999999999" << nothing() << kOverflow;
    QTest::newRow("largest 15-character hex overflows")
        << NumeralSystem(16) << NumeralSystem(8) << "FFFFFFFFFFFFFFF" << nothing() << kOverflow;
    for (NumeralSystem from : kSystems)
        QTest::addRow("empty %s text is a type mismatch", name(from))
            << from << NumeralSystem(16) << "" << nothing() << kTypeMismatch;
    QTest::newRow("Cyrillic letter is one 0 digit") << NumeralSystem(10) << NumeralSystem(10)
                                                    << "1\u0416"
                                                       "2"
                                                    << "102" << kNoBox;
    QTest::newRow("emoji is one 0 digit") << NumeralSystem(10) << NumeralSystem(10)
                                          << "1\U0001F600"
                                             "2"
                                          << "102" << kNoBox;
    QTest::newRow("invalid UTF-8 byte is one 0 digit") << NumeralSystem(10) << NumeralSystem(10)
                                                       << "1\xff"
                                                          "2"
                                                       << "102" << kNoBox;
}

void tst_modBazelot::translate() {
    QFETCH(NumeralSystem, input);
    QFETCH(NumeralSystem, output);
    QFETCH(QString, text);
    QFETCH(QString, result);
    QFETCH(QStringList, boxes);

    BoxRecorder recorder;
    const auto translated =
        modBazelot::TranslateNumber(input, output, text.toStdString(), recorder.callback());
    QCOMPARE(fromOptional(translated), result);
    QCOMPARE(translated.has_value(), !result.isNull());
    QCOMPARE(recorder.lastLines(), boxes);
}

void tst_modBazelot::convertToDecimal_data() {
    QTest::addColumn<NumeralSystem>("radix");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value"); // -1 stands for nothing
    QTest::addColumn<QStringList>("boxes");

    QTest::newRow("hex FF") << NumeralSystem(16) << "FF" << 255.0 << kNoBox;
    QTest::newRow("hex ff, small letters read like capitals") << NumeralSystem(16) << "ff" << 255.0 << kNoBox;
    QTest::newRow("hex a1") << NumeralSystem(16) << "a1" << 161.0 << kNoBox;
    QTest::newRow("hex 1E5") << NumeralSystem(16) << "1E5" << 485.0 << kNoBox;
    QTest::newRow("hex ABC") << NumeralSystem(16) << "ABC" << 2748.0 << kNoBox;
    QTest::newRow("hex 7FFFFFFF") << NumeralSystem(16) << "7FFFFFFF" << 2147483647.0 << kNoBox;
    QTest::newRow("hex G is a 0 digit") << NumeralSystem(16) << "1G" << 16.0 << kNoBox;
    QTest::newRow("octal 777") << NumeralSystem(8) << "777" << 511.0 << kNoBox;
    QTest::newRow("binary 1010") << NumeralSystem(2) << "1010" << 10.0 << kNoBox;
    QTest::newRow("binary 19, the 9 at face value") << NumeralSystem(2) << "19" << 11.0 << kNoBox;
    QTest::newRow("binary A is worth 10") << NumeralSystem(2) << "A0" << 20.0 << kNoBox;
    QTest::newRow("decimal 0123") << NumeralSystem(10) << "0123" << 123.0 << kNoBox;
    QTest::newRow("decimal 1.5") << NumeralSystem(10) << "1.5" << 105.0 << kNoBox;
    QTest::newRow("decimal 1E5") << NumeralSystem(10) << "1E5" << 245.0 << kNoBox;
    QTest::newRow("decimal trailing blank") << NumeralSystem(10) << "12 " << 120.0 << kNoBox;
    QTest::newRow("decimal leading blank") << NumeralSystem(10) << " 12" << 12.0 << kNoBox;
    QTest::newRow("decimal -5") << NumeralSystem(10) << "-5" << 5.0 << kNoBox;
    QTest::newRow("decimal A") << NumeralSystem(10) << "A" << 10.0 << kNoBox;
    QTest::newRow("a lone blank is 0, not nothing") << NumeralSystem(10) << " " << 0.0 << kNoBox;
    QTest::newRow("empty text is nothing, no box") << NumeralSystem(10) << "" << -1.0 << kNoBox;
    // A zero digit adds nothing even where its weight is beyond the double range.
    QTest::newRow("decimal 310 zeros") << NumeralSystem(10) << QString(310, '0') << 0.0 << kNoBox;
    QTest::newRow("binary 1025 zeros then 1")
        << NumeralSystem(2) << QString(1025, '0') + '1' << 1.0 << kNoBox;
    // A non-zero digit whose term is beyond the range fails; the sum read so far is returned.
    QTest::newRow("decimal 1 then 309 zeros")
        << NumeralSystem(10) << '1' + QString(309, '0') << 0.0 << kOverflow;
    QTest::newRow("decimal 1 then 308 zeros fits")
        << NumeralSystem(10) << '1' + QString(308, '0') << 1e308 << kNoBox;
    // 1.5e308 + 1.0e308: each term fits, the running sum does not.
    QTest::newRow("running sum beyond the range")
        << NumeralSystem(10) << "15" + QString(307, '0') + '1' + QString(307, '0') << -2.0 << kOverflow;
}

void tst_modBazelot::convertToDecimal() {
    QFETCH(NumeralSystem, radix);
    QFETCH(QString, text);
    QFETCH(double, value);
    QFETCH(QStringList, boxes);

    BoxRecorder recorder;
    const auto read = modBazelot::ConvertToDecimal(radix, text.toStdString(), recorder.callback());
    QCOMPARE(recorder.lastLines(), boxes);
    if (value == -1.0) {
        QVERIFY(!read.has_value());
    } else if (value == -2.0) {
        QVERIFY(read.has_value()); // the partial sum: finite, and above what step 2 can write
        QVERIFY(std::isfinite(*read) && *read > 2147483647.0);
    } else {
        QVERIFY(read.has_value());
        QCOMPARE(*read, value);
    }
}

void tst_modBazelot::convertFromDecimal_data() {
    QTest::addColumn<QString>("decimalText");
    QTest::addColumn<QString>("binary");
    QTest::addColumn<QString>("octal");
    QTest::addColumn<QString>("decimal");
    QTest::addColumn<QString>("hex");
    QTest::addColumn<QStringList>("boxes");

    QTest::newRow("0") << "0"
                       << "0"
                       << "0"
                       << "0"
                       << "0" << kNoBox;
    QTest::newRow("10") << "10"
                        << "1010"
                        << "12"
                        << "10"
                        << "A" << kNoBox;
    QTest::newRow("255") << "255"
                         << "11111111"
                         << "377"
                         << "255"
                         << "FF" << kNoBox;
    QTest::newRow("4096") << "4096"
                          << "1000000000000"
                          << "10000"
                          << "4096"
                          << "1000" << kNoBox;
    QTest::newRow("2147483647") << "2147483647" << QString(31, '1') << "17777777777"
                                << "2147483647"
                                << "7FFFFFFF" << kNoBox;
    QTest::newRow("2147483648 overflows")
        << "2147483648" << nothing() << nothing() << nothing() << nothing() << kOverflow;
    QTest::newRow("1e300 as digits overflows")
        << "1" + QString(300, '0') << nothing() << nothing() << nothing() << nothing() << kOverflow;
    QTest::newRow("empty text is a type mismatch")
        << "" << nothing() << nothing() << nothing() << nothing() << kTypeMismatch;
    QTest::newRow("letters are a type mismatch")
        << "12a" << nothing() << nothing() << nothing() << nothing() << kTypeMismatch;
}

void tst_modBazelot::convertFromDecimal() {
    QFETCH(QString, decimalText);
    QFETCH(QString, binary);
    QFETCH(QString, octal);
    QFETCH(QString, decimal);
    QFETCH(QString, hex);
    QFETCH(QStringList, boxes);

    const std::pair<NumeralSystem, QString> cases[] = {{2, binary}, {8, octal}, {10, decimal}, {16, hex}};
    for (const auto& [radix, digits] : cases) {
        BoxRecorder recorder;
        const auto written =
            modBazelot::ConvertFromDecimal(radix, decimalText.toStdString(), recorder.callback());
        QCOMPARE(fromOptional(written), digits);
        QCOMPARE(written.has_value(), !digits.isNull());
        QCOMPARE(recorder.lastLines(), boxes);
    }
}

void tst_modBazelot::failureBoxIsExact() {
    BoxRecorder recorder;
    modBazelot::TranslateNumber(10, 2, "2147483648", recorder.callback());
    modBazelot::TranslateNumber(10, 2, "", recorder.callback());
    QCOMPARE(recorder.boxes.size(), 2u);
    for (const auto& box : recorder.boxes)
        QCOMPARE(box.first, std::string("Translation Module Error"));
    QCOMPARE(
        recorder.boxes[0].second,
        std::string("The translation was not successful. Something went terribly wrong.\r\n\r\nOverflow #6"));
    QCOMPARE(
        recorder.boxes[1].second,
        std::string(
            "The translation was not successful. Something went terribly wrong.\r\n\r\nType mismatch #13"));
}

void tst_modBazelot::longTexts_data() {
    QTest::addColumn<NumeralSystem>("radix");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QStringList>("boxes");

    QTest::newRow("32767 zeros translate to 0") << NumeralSystem(2) << QString(32767, '0') << "0" << kNoBox;
    QTest::newRow("32767 Cyrillic letters translate to 0")
        << NumeralSystem(10) << QString(32767, QChar(0x0416)) << "0" << kNoBox;
    // Refused before reading: step 1 shows overflow, step 2 then meets the empty text.
    QTest::newRow("32768 zeros: overflow, then type mismatch")
        << NumeralSystem(2) << QString(32768, '0') << nothing() << kOverflow + kTypeMismatch;
    QTest::newRow("32767 ones: overflow in both steps")
        << NumeralSystem(2) << QString(32767, '1') << nothing() << kOverflow + kOverflow;
    QTest::newRow("32767 digits ending in 5")
        << NumeralSystem(10) << QString(32766, '0') + '5' << "101" << kNoBox;
}

void tst_modBazelot::longTexts() {
    QFETCH(NumeralSystem, radix);
    QFETCH(QString, text);
    QFETCH(QString, result);
    QFETCH(QStringList, boxes);

    BoxRecorder recorder;
    const auto translated = modBazelot::TranslateNumber(radix, 2, text.toStdString(), recorder.callback());
    QCOMPARE(fromOptional(translated), result);
    QCOMPARE(recorder.lastLines(), boxes);
}

void tst_modBazelot::noCallbackIsSafe() {
    QVERIFY(!modBazelot::TranslateNumber(10, 2, "", modBazelot::ShowMessage()).has_value());
}

QTEST_APPLESS_MAIN(tst_modBazelot)
#include "tst_modBazelot.moc"
