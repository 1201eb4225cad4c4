// Runs under Wine: GetKeyValue over the real Windows registry layer, against the values that
// run_wine_test.sh writes. "getkeyvalue_wine write" first writes what reg.exe cannot: strings without
// their terminating zero and an empty string.
#include "platform/GetKeyValue.h"
#include "platform/SystemRegistry.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <string>

namespace {

using platform::Registry;

constexpr char kTestKey[] = "SOFTWARE\\Bazelot Wine Test";
constexpr char kUntouched[] = "untouched";
const std::string kFullBuffer(1024, 'A');

// The registry counts a zero byte that follows the given data as the string's terminator, so the data
// of an unterminated value must be followed by something else.
bool writeUnterminated(HKEY key, const char* name, const std::string& text) {
    const std::string data = text + 'X';
    return RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(data.data()),
                          static_cast<DWORD>(text.size())) == ERROR_SUCCESS;
}

int write() {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, kTestKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
        std::puts("FAIL: cannot create the test key");
        return 1;
    }
    const bool written =
        writeUnterminated(key, "Unterminated", "C:\\Tools") && writeUnterminated(key, "Full", kFullBuffer) &&
        RegSetValueExA(key, "Empty", 0, REG_SZ, reinterpret_cast<const BYTE*>(""), 0) == ERROR_SUCCESS;
    RegCloseKey(key);
    if (!written)
        std::puts("FAIL: cannot write the test values");
    return written ? 0 : 1;
}

struct Case {
    const char* name;
    const char* key;
    const char* value;
    bool found;
    std::string keyVal;
};

int check() {
    const std::string testKey = kTestKey;
    const Case cases[] = {
        {"full path in the first location", "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", true,
         "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo\\msinfo32.exe"},
        {"folder in the second location", "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO", true,
         "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo"},
        {"string with its terminating zero", kTestKey, "Terminated", true, "C:\\Tools"},
        {"string without terminating zero", kTestKey, "Unterminated", true, "C:\\Tools"},
        {"unterminated string filling the buffer", kTestKey, "Full", true, kFullBuffer},
        {"dword", kTestKey, "Dword", true, "&h12345678"},
        {"dword with a zero high byte", kTestKey, "SmallDword", true, "&hABCDEF"},
        {"expandable string leaves KeyVal", kTestKey, "Expandable", true, kUntouched},
        {"string longer than the buffer", kTestKey, "TooLong", false, ""},
        {"missing value", kTestKey, "Missing", false, ""},
        {"missing key", "SOFTWARE\\Bazelot Wine Test\\Missing", "PATH", false, ""},
    };

    platform::SystemRegistry registry;
    int failures = 0;
    for (const Case& c : cases) {
        std::string keyVal = kUntouched;
        const bool found = platform::GetKeyValue(registry, Registry::kLocalMachine, c.key, c.value, keyVal);
        const bool ok = found == c.found && keyVal == c.keyVal;
        std::printf("%s: %s (found %d, KeyVal \"%.60s\")\n", ok ? "ok" : "FAIL", c.name, found,
                    keyVal.c_str());
        failures += ok ? 0 : 1;
    }

    // The unterminated value must really be stored so, or its case above proves nothing.
    Registry::Key key = 0;
    Registry::ValueBuffer buffer{};
    std::uint32_t type = 0;
    std::uint32_t size = static_cast<std::uint32_t>(buffer.size());
    const bool raw = registry.openKey(Registry::kLocalMachine, kTestKey, Registry::kKeyRead, key) == 0 &&
                     registry.queryValue(key, "Unterminated", type, buffer, size) == 0 &&
                     size == std::strlen("C:\\Tools");
    registry.closeKey(key);
    std::printf("%s: the unterminated string is read with %u bytes\n", raw ? "ok" : "FAIL", size);
    failures += raw ? 0 : 1;

    try {
        std::string keyVal;
        platform::GetKeyValue(registry, Registry::kLocalMachine, testKey, "Empty", keyVal);
        std::puts("FAIL: an empty string value is passed on as a failure");
        ++failures;
    } catch (const std::invalid_argument&) {
        std::puts("ok: an empty string value is passed on as a failure");
    }
    return failures == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "write") == 0)
        return write();
    return check();
}
