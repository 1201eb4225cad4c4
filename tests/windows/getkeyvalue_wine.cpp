// Runs under Wine: GetKeyValue over the real Windows registry layer, against values it writes first
// (strings without their terminating zero and an empty string among them, which reg.exe cannot write)
// and removes afterwards, so that other tests in the same prefix find the registry as it was.
#include "platform/GetKeyValue.h"
#include "platform/SystemRegistry.h"

#include <doctest/doctest.h>

#include <windows.h>

#include <cstring>
#include <string>

namespace {

using platform::Registry;

constexpr char kTestKey[] = "SOFTWARE\\Bazelot Wine Test";
constexpr char kUntouched[] = "untouched";
const std::string kFullBuffer(1024, 'A');

constexpr char kFirstLocation[] = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr char kSecondLocation[] = "SOFTWARE\\Microsoft\\Shared Tools Location";

// The registry counts a zero byte that follows the given data as the string's terminator, so the data
// of an unterminated value must be followed by something else.
bool writeUnterminated(HKEY key, const char* name, const std::string& text) {
    const std::string data = text + 'X';
    return RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(data.data()),
                          static_cast<DWORD>(text.size())) == ERROR_SUCCESS;
}

bool writeString(HKEY key, const char* name, DWORD type, const std::string& text) {
    return RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE*>(text.c_str()),
                          static_cast<DWORD>(text.size() + 1)) == ERROR_SUCCESS;
}

bool writeDword(HKEY key, const char* name, DWORD value) {
    return RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value) ==
           ERROR_SUCCESS;
}

// Opens (creating) a key below HKEY_LOCAL_MACHINE, hands it to write and closes it.
template <typename Write>
bool withKey(const char* name, Write write) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, name, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return false;
    const bool written = write(key);
    RegCloseKey(key);
    return written;
}

bool write() {
    return withKey(kFirstLocation,
                   [](HKEY key) {
                       return writeString(
                           key, "PATH", REG_SZ,
                           "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo\\msinfo32.exe");
                   }) &&
           withKey(kSecondLocation,
                   [](HKEY key) {
                       return writeString(key, "MSINFO", REG_SZ,
                                          "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo");
                   }) &&
           withKey(kTestKey, [](HKEY key) {
               return writeString(key, "Terminated", REG_SZ, "C:\\Tools") &&
                      writeDword(key, "Dword", 0x12345678) && writeDword(key, "SmallDword", 0x00ABCDEF) &&
                      writeString(key, "Expandable", REG_EXPAND_SZ, "%SystemRoot%\\system32") &&
                      writeString(key, "TooLong", REG_SZ, std::string(1100, 'A')) &&
                      writeUnterminated(key, "Unterminated", "C:\\Tools") &&
                      writeUnterminated(key, "Full", kFullBuffer) &&
                      RegSetValueExA(key, "Empty", 0, REG_SZ, reinterpret_cast<const BYTE*>(""), 0) ==
                          ERROR_SUCCESS;
           });
}

void removeTestValues() {
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, kTestKey);
    RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, kFirstLocation, "PATH");
    RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, kSecondLocation, "MSINFO");
}

struct Case {
    const char* name;
    const char* key;
    const char* value;
    platform::KeyLookup lookup;
    std::string keyVal;
};

} // namespace

TEST_CASE("GetKeyValue over the real registry") {
    // Removed again whatever the outcome, so that other tests in the prefix find the registry as it was.
    struct Cleanup {
        ~Cleanup() { removeTestValues(); }
    } cleanup;
    REQUIRE(write());
    const auto found = platform::KeyLookup::Found;
    const auto notFound = platform::KeyLookup::NotFound;
    const Case cases[] = {
        {"full path in the first location", kFirstLocation, "PATH", found,
         "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo\\msinfo32.exe"},
        {"folder in the second location", kSecondLocation, "MSINFO", found,
         "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo"},
        {"string with its terminating zero", kTestKey, "Terminated", found, "C:\\Tools"},
        {"string without terminating zero", kTestKey, "Unterminated", found, "C:\\Tools"},
        {"unterminated string filling the buffer", kTestKey, "Full", found, kFullBuffer},
        {"dword", kTestKey, "Dword", found, "&h12345678"},
        {"dword with a zero high byte", kTestKey, "SmallDword", found, "&hABCDEF"},
        {"expandable string leaves KeyVal", kTestKey, "Expandable", found, kUntouched},
        {"string longer than the buffer", kTestKey, "TooLong", notFound, ""},
        {"missing value", kTestKey, "Missing", notFound, ""},
        {"missing key", "SOFTWARE\\Bazelot Wine Test\\Missing", "PATH", notFound, ""},
        {"empty string is malformed", kTestKey, "Empty", platform::KeyLookup::Malformed, kUntouched},
    };

    platform::SystemRegistry registry;
    for (const Case& c : cases) {
        CAPTURE(c.name);
        std::string keyVal = kUntouched;
        CHECK(platform::GetKeyValue(registry, Registry::kLocalMachine, c.key, c.value, keyVal) == c.lookup);
        CHECK(keyVal == c.keyVal);
    }

    // The unterminated value must really be stored so, or its case above proves nothing.
    Registry::Key key = 0;
    Registry::ValueBuffer buffer{};
    std::uint32_t type = 0;
    std::uint32_t size = static_cast<std::uint32_t>(buffer.size());
    CHECK(registry.openKey(Registry::kLocalMachine, kTestKey, Registry::kKeyRead, key) == 0);
    CHECK(registry.queryValue(key, "Unterminated", type, buffer, size) == 0);
    CHECK(size == std::strlen("C:\\Tools"));
    registry.closeKey(key);
}
