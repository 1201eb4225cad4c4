#include "engine/NumberText.h"

#include <QTest>

using NumberText::Failure;

namespace {
// -1 stands for "not a number", -2 for "overflow": no accepted text in the tables reads as those.
double outcome(const NumberText::Result<double>& result) {
    if (const auto* failure = std::get_if<Failure>(&result))
        return failure->number == NumberText::kOverflow ? -2.0 : -1.0;
    return std::get<double>(result);
}
} // namespace

class tst_NumberText : public QObject {
    Q_OBJECT

private slots:
    void readNumber_data();
    void readNumber();
    void roundToInt32_data();
    void roundToInt32();
    void writeDecimal_data();
    void writeDecimal();
    void codePoints_data();
    void codePoints();
};

void tst_NumberText::readNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<double>("value");

    QTest::newRow("digits") << "255"
                            << "." << 255.0;
    QTest::newRow("minus") << "-5"
                           << "." << -5.0;
    QTest::newRow("plus") << "+5"
                          << "." << 5.0;
    QTest::newRow("blanks around") << "  7 "
                                   << "." << 7.0;
    QTest::newRow("tab before") << "\t7"
                                << "." << 7.0;
    QTest::newRow("exponent") << "1E3"
                              << "." << 1000.0;
    QTest::newRow("small exponent with sign") << "25e-1"
                                              << "." << 2.5;
    QTest::newRow("point separator") << "1.5"
                                     << "." << 1.5;
    QTest::newRow("comma separator") << "1,5"
                                     << "," << 1.5;
    QTest::newRow("separator first") << ".5"
                                     << "." << 0.5;
    QTest::newRow("separator last") << "5."
                                    << "." << 5.0;
    QTest::newRow("tiny exponent reads as zero") << "1e-400"
                                                 << "." << 0.0;
    QTest::newRow("leading zeros") << "0101"
                                   << "." << 101.0;
    QTest::newRow("exponent beyond range overflows") << "1e400"
                                                     << "." << -2.0;
    QTest::newRow("310 digits overflow") << '1' + QString(309, '0') << "." << -2.0;
    QTest::newRow("empty") << ""
                           << "." << -1.0;
    QTest::newRow("blanks alone") << "   "
                                  << "." << -1.0;
    QTest::newRow("sign alone") << "-"
                                << "." << -1.0;
    QTest::newRow("separator alone") << "."
                                     << "." << -1.0;
    QTest::newRow("two separators") << "1.2.3"
                                    << "." << -1.0;
    QTest::newRow("other locale's separator") << "1.5"
                                              << "," << -1.0;
    QTest::newRow("digit-group separator is not a number") << "1,000"
                                                           << "." << -1.0;
    QTest::newRow("letter after digits") << "12a"
                                         << "." << -1.0;
    QTest::newRow("exponent without digits") << "1E"
                                             << "." << -1.0;
    QTest::newRow("two signs") << "+-1"
                               << "." << -1.0;
    QTest::newRow("blank inside") << "1 2"
                                  << "." << -1.0;
    QTest::newRow("hex prefix") << "0x10"
                                << "." << -1.0;
    QTest::newRow("inf") << "inf"
                         << "." << -1.0;
    QTest::newRow("nan") << "nan"
                         << "." << -1.0;
    QTest::newRow("full-width digit") << "\uFF11"
                                      << "." << -1.0;
}

void tst_NumberText::readNumber() {
    QFETCH(QString, text);
    QFETCH(QString, separator);
    QFETCH(double, value);

    const std::string utf8 = text.toStdString();
    QCOMPARE(outcome(NumberText::readNumber(utf8, separator.toStdString())), value);
    QCOMPARE(NumberText::isNumeric(utf8, separator.toStdString()), value != -1.0);
}

void tst_NumberText::roundToInt32_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<qint64>("rounded"); // a value outside 32 bits stands for overflow

    QTest::newRow("half to even down") << 0.5 << qint64(0);
    QTest::newRow("half to even up") << 1.5 << qint64(2);
    QTest::newRow("2.5 to 2") << 2.5 << qint64(2);
    QTest::newRow("-0.5 to 0") << -0.5 << qint64(0);
    QTest::newRow("-1.5 to -2") << -1.5 << qint64(-2);
    QTest::newRow("just below half") << 2.4999 << qint64(2);
    QTest::newRow("just above half") << 2.5001 << qint64(3);
    QTest::newRow("max") << 2147483647.0 << qint64(2147483647);
    QTest::newRow("max plus a bit rounds down") << 2147483647.4 << qint64(2147483647);
    QTest::newRow("max plus half rounds out") << 2147483647.5 << (qint64(1) << 32);
    QTest::newRow("min") << -2147483648.0 << qint64(-2147483648LL);
    QTest::newRow("min minus half rounds to even min") << -2147483648.5 << qint64(-2147483648LL);
    QTest::newRow("min minus more overflows") << -2147483648.6 << (qint64(1) << 32);
    QTest::newRow("2147483648 overflows") << 2147483648.0 << (qint64(1) << 32);
    QTest::newRow("infinity overflows") << std::numeric_limits<double>::infinity() << (qint64(1) << 32);
}

void tst_NumberText::roundToInt32() {
    QFETCH(double, value);
    QFETCH(qint64, rounded);

    const auto result = NumberText::roundToInt32(value);
    if (rounded == (qint64(1) << 32)) {
        QVERIFY(std::holds_alternative<Failure>(result));
        QCOMPARE(std::get<Failure>(result), NumberText::overflow());
    } else {
        QVERIFY(std::holds_alternative<std::int32_t>(result));
        QCOMPARE(qint64(std::get<std::int32_t>(result)), rounded);
    }
}

void tst_NumberText::writeDecimal_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("31 bits") << 2147483647.0 << "2147483647";
    QTest::newRow("beyond 32 bits") << 2147483648.0 << "2147483648";
    QTest::newRow("1e20 without exponent") << 1e20 << "100000000000000000000";
    QTest::newRow("1e300 has 301 digits") << 1e300 << QString();
    QTest::newRow("a fraction") << 0.5 << "0.5";
    QTest::newRow("a negative whole number") << -8.0 << "-8";
}

void tst_NumberText::writeDecimal() {
    QFETCH(double, value);
    QFETCH(QString, text);

    const QString written = QString::fromStdString(NumberText::writeDecimal(value));
    if (text.isNull()) {
        QCOMPARE(written.size(), 301);
        QVERIFY(!written.contains('e'));
    } else {
        QCOMPARE(written, text);
    }
    QCOMPARE(std::get<double>(NumberText::readNumber(written.toStdString())), value);
}

void tst_NumberText::codePoints_data() {
    QTest::addColumn<QByteArray>("utf8");
    QTest::addColumn<int>("count");

    QTest::newRow("ASCII") << QByteArray("abc") << 3;
    QTest::newRow("Cyrillic is one each") << QByteArray("\xD0\x96\xD0\x96") << 2;
    QTest::newRow("emoji is one") << QByteArray("\xF0\x9F\x98\x80") << 1;
    QTest::newRow("stray continuation byte") << QByteArray("\x80") << 1;
    QTest::newRow("truncated sequence counts byte by byte") << QByteArray("\xE2\x82") << 2;
    QTest::newRow("overlong slash") << QByteArray("\xC0\xAF") << 2;
    QTest::newRow("surrogate") << QByteArray("\xED\xA0\x80") << 3;
    QTest::newRow("beyond U+10FFFF") << QByteArray("\xF4\x90\x80\x80") << 4;
}

void tst_NumberText::codePoints() {
    QFETCH(QByteArray, utf8);
    QFETCH(int, count);

    QCOMPARE(int(NumberText::codePoints(std::string_view(utf8.constData(), utf8.size())).size()), count);
}

QTEST_APPLESS_MAIN(tst_NumberText)
#include "tst_NumberText.moc"
