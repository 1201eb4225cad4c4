#include "platform/GetKeyValue.h"

#include <string_view>

namespace platform {

namespace {

class KeyCloser {
public:
    KeyCloser(Registry& registry, Registry::Key key)
        : m_registry(registry)
        , m_key(key) {}
    ~KeyCloser() { m_registry.closeKey(m_key); }
    KeyCloser(const KeyCloser&) = delete;
    KeyCloser& operator=(const KeyCloser&) = delete;

private:
    Registry& m_registry;
    Registry::Key m_key;
};

// The value's bytes from the last to the first, two hexadecimal digits each: the little-endian bytes
// of a double word read as a number.
std::string hexDigitsFromLast(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string digits;
    digits.reserve(bytes.size() * 2);
    for (auto it = bytes.rbegin(); it != bytes.rend(); ++it) {
        const auto byte = static_cast<unsigned char>(*it);
        digits += kDigits[byte >> 4];
        digits += kDigits[byte & 0x0F];
    }
    return digits;
}

} // namespace

KeyLookup GetKeyValue(Registry& registry, const std::int32_t& KeyRoot, const std::string& KeyName,
                      const std::string& SubKeyRef, std::string& KeyVal) {
    Registry::Key key = 0;
    if (registry.openKey(KeyRoot, KeyName, Registry::kKeyRead, key) != Registry::kSuccess) {
        KeyVal.clear();
        return KeyLookup::NotFound;
    }
    const KeyCloser closer(registry, key);

    Registry::ValueBuffer buffer{};
    std::uint32_t size = static_cast<std::uint32_t>(buffer.size());
    std::uint32_t type = 0;
    if (registry.queryValue(key, SubKeyRef, type, buffer, size) != Registry::kSuccess) {
        KeyVal.clear();
        return KeyLookup::NotFound;
    }
    if (size == 0 || size > buffer.size())
        return KeyLookup::Malformed;

    // A string stored with its terminating zero counts the zero in its size; one stored without keeps
    // every byte.
    const std::string_view kept(buffer.data(), buffer[size - 1] == '\0' ? size - 1 : size);
    switch (type) {
    case Registry::kTypeString:
        KeyVal = kept;
        break;
    case Registry::kTypeDword:
        KeyVal = "&h" + hexDigitsFromLast(kept);
        break;
    default:
        break; // found, but of a type this lookup does not read
    }
    return KeyLookup::Found;
}

} // namespace platform
