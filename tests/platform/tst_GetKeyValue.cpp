#include "platform/GetKeyValue.h"
#include "tests/platform/FakeRegistry.h"

#include <doctest/doctest.h>

using platform::GetKeyValue;
using platform::KeyLookup;
using platform::Registry;
using namespace std::string_literals;

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

TEST_CASE("readsValue") {
    struct Row {
        const char* tag;
        std::uint32_t type;
        std::string stored;
        std::string keyVal;
    };
    const Row rows[] = {
        {"string with its terminating zero", Registry::kTypeString, "C:\\Tools\\x.exe\0"s,
         "C:\\Tools\\x.exe"s},
        {"string without terminating zero", Registry::kTypeString, "C:\\Tools\\x.exe"s, "C:\\Tools\\x.exe"s},
        {"string of only its zero is empty", Registry::kTypeString, "\0"s, ""s},
        {"only the last zero is cut", Registry::kTypeString, "ab\0\0"s, "ab\0"s},
        {"string filling the buffer keeps all", Registry::kTypeString, std::string(1024, 'A'),
         std::string(1024, 'A')},
        {"string and zero filling the buffer", Registry::kTypeString, std::string(1023, 'A') + '\0',
         std::string(1023, 'A')},
        {"ANSI bytes kept as they are", Registry::kTypeString, "\xC4\xE0\0"s, "\xC4\xE0"s},
        {"dword 0x12345678", Registry::kTypeDword, bytes({0x78, 0x56, 0x34, 0x12}), "&h12345678"s},
        {"dword 0xFFFFFFFF", Registry::kTypeDword, bytes({0xFF, 0xFF, 0xFF, 0xFF}), "&hFFFFFFFF"s},
        {"dword high zero byte is cut like a terminator", Registry::kTypeDword,
         bytes({0xEF, 0xCD, 0xAB, 0x00}), "&hABCDEF"s},
        {"dword 1", Registry::kTypeDword, bytes({0x01, 0x00, 0x00, 0x00}), "&h000001"s},
        {"expandable string leaves KeyVal", kTypeExpandString, "%SystemRoot%\0"s, kBefore},
        {"binary value leaves KeyVal", kTypeBinary, bytes({0x01, 0x02}), kBefore},
    };
    for (const Row& row : rows) {
        INFO(row.tag);
        FakeRegistry registry;
        registry.setValue(kKey, kValue, {row.type, row.stored, {}});
        std::string read = kBefore;
        CHECK(GetKeyValue(registry, Registry::kLocalMachine, kKey, kValue, read) == KeyLookup::Found);
        CHECK(read == row.keyVal);
        // Read access only: asking for write rights fails for every user without administrator rights.
        CHECK(registry.accessAsked == std::vector<std::uint32_t>{0x20019});
        CHECK(registry.openKeys.empty());
    }
}

TEST_CASE("lookupFails") {
    struct Row {
        const char* tag;
        bool keyExists;
        bool keyDenied;
        std::string stored;
    };
    const Row rows[] = {
        {"missing key", false, false, ""},
        {"key that cannot be opened", true, true, "C:\\x.exe"},
        {"missing value", true, false, ""},
        {"value longer than the buffer", true, false, std::string(1025, 'A')},
    };
    for (const Row& row : rows) {
        INFO(row.tag);
        FakeRegistry registry;
        if (row.keyExists)
            registry.addKey(kKey);
        if (row.keyDenied)
            registry.denyKey(kKey);
        if (!row.stored.empty())
            registry.setValue(kKey, kValue, {Registry::kTypeString, row.stored, {}});
        std::string read = kBefore;
        CHECK(GetKeyValue(registry, Registry::kLocalMachine, kKey, kValue, read) == KeyLookup::NotFound);
        CHECK(read == "");
        CHECK(registry.openKeys.empty());
    }
}

TEST_CASE("noLastByteIsMalformed") {
    struct Row {
        const char* tag;
        std::uint32_t type;
        std::string stored;
        std::uint32_t reportedSize;
    };
    const Row rows[] = {
        {"empty string", Registry::kTypeString, "", 0u},
        {"empty value of another type", kTypeBinary, "", 0u},
        {"size beyond the buffer", Registry::kTypeString, "x", 1025u},
    };
    for (const Row& row : rows) {
        INFO(row.tag);
        FakeRegistry registry;
        registry.setValue(kKey, kValue, {row.type, row.stored, row.reportedSize});
        std::string read = kBefore;
        CHECK(GetKeyValue(registry, Registry::kLocalMachine, kKey, kValue, read) == KeyLookup::Malformed);
        CHECK(read == kBefore);
        CHECK(registry.openKeys.empty());
    }
}
