#pragma once

#include <string>
#include <string_view>

namespace platform {

// Windows' W functions take UTF-16; every other text of the program is UTF-8. These convert at that
// edge, on Windows only. A malformed sequence becomes U+FFFD rather than failing.
std::wstring toUtf16(std::string_view utf8);
std::string toUtf8(std::wstring_view utf16);

} // namespace platform
