#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace platform {

// The three registry operations the system-information lookup needs, shaped like the Windows calls
// RegOpenKeyExA, RegQueryValueExA and RegCloseKey: names and texts in the system's ANSI code page,
// statuses as Windows error codes. Whoever builds an About dialog hands one in; tests hand in a fake.
class Registry {
public:
    using Key = std::uintptr_t;  // an open key; 0 is none
    using Status = std::int32_t; // a Windows error code
    using ValueBuffer = std::array<char, 1024>;

    // HKEY_LOCAL_MACHINE as the Windows headers define it: a 32-bit value, sign-extended to a handle.
    static constexpr std::int32_t kLocalMachine = static_cast<std::int32_t>(0x80000002u);
    static constexpr std::uint32_t kKeyRead = 0x20019; // KEY_READ
    static constexpr Status kSuccess = 0;              // ERROR_SUCCESS
    static constexpr Status kFileNotFound = 2;         // ERROR_FILE_NOT_FOUND
    static constexpr std::uint32_t kTypeString = 1;    // REG_SZ
    static constexpr std::uint32_t kTypeDword = 4;     // REG_DWORD

    virtual ~Registry() = default;

    // Opens a key below root; key receives it on success and 0 otherwise.
    virtual Status openKey(std::int32_t root, const std::string& keyName, std::uint32_t access, Key& key) = 0;

    // Reads one value into data. On entry size is the number of bytes of data that may be written (at
    // most the buffer's size); on return it is the number of bytes of the value. A value longer than
    // size fails with a status other than kSuccess.
    virtual Status queryValue(Key key, const std::string& valueName, std::uint32_t& type, ValueBuffer& data,
                              std::uint32_t& size) = 0;

    virtual void closeKey(Key key) = 0;
};

// Registry texts come in the system's ANSI code page; this turns one into UTF-8, the encoding of every
// other text of the program. The system-information lookup is its only caller. Outside Windows the
// text is taken as it is.
std::string ansiToUtf8(const std::string& ansi);

} // namespace platform
