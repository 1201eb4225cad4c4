#include "platform/GetKeyValue.h"
#include "tests/platform/FakeRegistry.h"

#include <QTest>

#include <stdexcept>

using platform::GetKeyValue;
using platform::Registry;

Q_DECLARE_METATYPE(std::string)

namespace {

const std::string kKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string kValue = "PATH";
const std::string kBefore = "before";
constexpr std::uint32_t kTypeExpandString = 2; // REG_EXPAND_SZ
constexpr std::uint32_t kTypeBinary = 3;       // REG_BINARY

std::string bytes(std::initializer_list<unsigned char> list) {
    return std::string(list.begin(), list.end());
}

} // namespace

class tst_GetKeyValue : public QObject {
    Q_OBJECT

private slots:
    void readsValue_data();
    void readsValue();
    void lookupFails_data();
    void lookupFails();
    void noLastByteIsPassedOn_data();
    void noLastByteIsPassedOn();
};

void tst_GetKeyValue::readsValue_data() {
    QTest::addColumn<std::uint32_t>("type");
    QTest::addColumn<std::string>("stored");
    QTest::addColumn<std::string>("keyVal");

    using namespace std::string_literals;
    QTest::newRow("string with its terminating zero") << Registry::kTypeString << "C:\\Tools\\x.exe\0"s
                                                      << "C:\\Tools\\x.exe"s;
    QTest::newRow("string without terminating zero") << Registry::kTypeString << "C:\\Tools\\x.exe"s
                                                     << "C:\\Tools\\x.exe"s;
    QTest::newRow("string of only its zero is empty") << Registry::kTypeString << "\0"s
                                                      << ""s;
    QTest::newRow("only the last zero is cut") << Registry::kTypeString << "ab\0\0"s
                                               << "ab\0"s;
    QTest::newRow("string filling the buffer keeps all")
        << Registry::kTypeString << std::string(1024, 'A') << std::string(1024, 'A');
    QTest::newRow("string and zero filling the buffer")
        << Registry::kTypeString << std::string(1023, 'A') + '\0' << std::string(1023, 'A');
    QTest::newRow("ANSI bytes kept as they are") << Registry::kTypeString << "\xC4\xE0\0"s
                                                 << "\xC4\xE0"s;
    QTest::newRow("dword 0x12345678")
        << Registry::kTypeDword << bytes({0x78, 0x56, 0x34, 0x12}) << "&h12345678"s;
    QTest::newRow("dword 0xFFFFFFFF")
        << Registry::kTypeDword << bytes({0xFF, 0xFF, 0xFF, 0xFF}) << "&hFFFFFFFF"s;
    QTest::newRow("dword high zero byte is cut like a terminator")
        << Registry::kTypeDword << bytes({0xEF, 0xCD, 0xAB, 0x00}) << "&hABCDEF"s;
    QTest::newRow("dword 1") << Registry::kTypeDword << bytes({0x01, 0x00, 0x00, 0x00}) << "&h000001"s;
    QTest::newRow("expandable string leaves KeyVal") << kTypeExpandString << "%SystemRoot%\0"s << kBefore;
    QTest::newRow("binary value leaves KeyVal") << kTypeBinary << bytes({0x01, 0x02}) << kBefore;
}

void tst_GetKeyValue::readsValue() {
    QFETCH(std::uint32_t, type);
    QFETCH(std::string, stored);
    QFETCH(std::string, keyVal);

    FakeRegistry registry;
    registry.setValue(kKey, kValue, {type, stored, {}});
    std::string read = kBefore;
    QVERIFY(GetKeyValue(registry, Registry::kLocalMachine, kKey, kValue, read));
    QCOMPARE(read, keyVal);
    // Read access only: asking for write rights fails for every user without administrator rights.
    QCOMPARE(registry.accessAsked, std::vector<std::uint32_t>{0x20019});
    QVERIFY(registry.openKeys.empty());
}

void tst_GetKeyValue::lookupFails_data() {
    QTest::addColumn<bool>("keyExists");
    QTest::addColumn<bool>("keyDenied");
    QTest::addColumn<std::string>("stored");

    QTest::newRow("missing key") << false << false << std::string();
    QTest::newRow("key that cannot be opened") << true << true << std::string("C:\\x.exe");
    QTest::newRow("missing value") << true << false << std::string();
    QTest::newRow("value longer than the buffer") << true << false << std::string(1025, 'A');
}

void tst_GetKeyValue::lookupFails() {
    QFETCH(bool, keyExists);
    QFETCH(bool, keyDenied);
    QFETCH(std::string, stored);

    FakeRegistry registry;
    if (keyExists)
        registry.addKey(kKey);
    if (keyDenied)
        registry.denyKey(kKey);
    if (!stored.empty())
        registry.setValue(kKey, kValue, {Registry::kTypeString, stored, {}});
    std::string read = kBefore;
    QVERIFY(!GetKeyValue(registry, Registry::kLocalMachine, kKey, kValue, read));
    QCOMPARE(read, std::string());
    QVERIFY(registry.openKeys.empty());
}

void tst_GetKeyValue::noLastByteIsPassedOn_data() {
    QTest::addColumn<std::uint32_t>("type");
    QTest::addColumn<std::string>("stored");
    QTest::addColumn<std::uint32_t>("reportedSize");

    QTest::newRow("empty string") << Registry::kTypeString << std::string() << 0u;
    QTest::newRow("empty value of another type") << kTypeBinary << std::string() << 0u;
    QTest::newRow("size beyond the buffer") << Registry::kTypeString << std::string("x") << 1025u;
}

void tst_GetKeyValue::noLastByteIsPassedOn() {
    QFETCH(std::uint32_t, type);
    QFETCH(std::string, stored);
    QFETCH(std::uint32_t, reportedSize);

    FakeRegistry registry;
    registry.setValue(kKey, kValue, {type, stored, reportedSize});
    std::string read;
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument,
                             GetKeyValue(registry, Registry::kLocalMachine, kKey, kValue, read));
    QVERIFY(registry.openKeys.empty());
}

QTEST_APPLESS_MAIN(tst_GetKeyValue)
#include "tst_GetKeyValue.moc"
