#pragma once

#include "platform/Registry.h"

#include <cstdint>
#include <string>

namespace platform {

// Reads one registry value into KeyVal; needs nothing but a Registry, so it runs against the real
// registry, a portable one that finds nothing, or a fake.
//
// Opens KeyName below KeyRoot with read access only (KEY_READ) and queries SubKeyRef into a zeroed
// 1024-byte buffer. The value's last byte is dropped when it is a zero (the terminating zero of a string
// stored with one); the bytes kept then give:
// - REG_SZ: KeyVal becomes the kept text, in the ANSI code page of the system;
// - REG_DWORD: KeyVal becomes "&h" and two upper-case hexadecimal digits per kept byte, from the last kept
//   byte to the first (0x12345678 gives "&h12345678"; 0x00ABCDEF loses its high zero byte: "&hABCDEF");
// - any other type: KeyVal is left as it was.
// Found when the value was read. NotFound with an empty KeyVal when the key cannot be opened or the value
// cannot be read (missing, or longer than the buffer). Malformed, with KeyVal left as it was, when the
// registry reports success with no data at all or with more bytes than the buffer holds: there is no
// last byte to look at, and the caller answers as for any failure of the lookup.
// A key that was opened is closed on every path.
enum class KeyLookup { Found, NotFound, Malformed };

KeyLookup GetKeyValue(Registry& registry, const std::int32_t& KeyRoot, const std::string& KeyName,
                      const std::string& SubKeyRef, std::string& KeyVal);

} // namespace platform
