#include "fuzz/FuzzSupport.h"
#include "platform/GetKeyValue.h"

#include <cstring>
#include <string>
#include <vector>

// GetKeyValue over a fake registry whose answers come from the input:
//   byte 0      flags: 1 the key cannot be opened, 2 the value cannot be read, 4 the reported size is
//               bytes 5-6 (little endian) instead of the number of value bytes
//   bytes 1-4   the value's type (little endian)
//   bytes 5-6   the reported size, when flag 4 is set
//   the rest    the value's bytes; the fake writes no more than the caller allows
namespace {

class FakeRegistry final : public platform::Registry {
public:
    bool openFails = false;
    bool queryFails = false;
    std::uint32_t type = 0;
    std::optional<std::uint32_t> reportedSize;
    std::string bytes;

    std::vector<Key> opened;
    std::vector<Key> closed;
    int queries = 0;
    std::string queriedName;
    std::uint32_t sizeOnEntry = 0;

    Status openKey(std::int32_t, const std::string&, std::uint32_t, Key& key) override {
        if (openFails) {
            key = 0;
            return kFileNotFound;
        }
        key = 0x1234;
        opened.push_back(key);
        return kSuccess;
    }

    Status queryValue(Key, const std::string& valueName, std::uint32_t& valueType, ValueBuffer& data,
                      std::uint32_t& size) override {
        ++queries;
        queriedName = valueName;
        sizeOnEntry = size;
        if (queryFails)
            return kFileNotFound;
        if (bytes.size() > size)
            return 234; // ERROR_MORE_DATA
        std::memcpy(data.data(), bytes.data(), bytes.size());
        valueType = type;
        size = reportedSize.value_or(static_cast<std::uint32_t>(bytes.size()));
        return kSuccess;
    }

    void closeKey(Key key) override { closed.push_back(key); }
};

// Written apart from the lookup's own helper on purpose: an oracle that called it would check nothing.
std::string hexFromLast(std::string_view kept) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string out = "&h";
    for (auto it = kept.rbegin(); it != kept.rend(); ++it) {
        const auto byte = static_cast<unsigned char>(*it);
        out += kDigits[byte >> 4];
        out += kDigits[byte & 15];
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 7)
        return 0;
    FakeRegistry registry;
    registry.openFails = data[0] & 1;
    registry.queryFails = data[0] & 2;
    registry.type = data[1] | data[2] << 8 | data[3] << 16 | static_cast<std::uint32_t>(data[4]) << 24;
    if (data[0] & 4)
        registry.reportedSize = static_cast<std::uint32_t>(data[5] | data[6] << 8);
    registry.bytes.assign(reinterpret_cast<const char*>(data + 7), size - 7);

    const std::int32_t root = platform::Registry::kLocalMachine;
    const std::string keyName = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
    const std::string valueName = "PATH";
    const std::string before = "what the caller had";
    std::string value = before;
    const std::string_view input = registry.bytes;

    using platform::KeyLookup;
    const KeyLookup lookup = platform::GetKeyValue(registry, root, keyName, valueName, value);

    // Every key opened is closed exactly once, whatever happened after.
    fuzz::check(registry.closed == registry.opened, "opened and closed keys differ", input);
    fuzz::check(registry.queries == (registry.openFails ? 0 : 1), "queried a key that is not open", input);
    if (registry.queries) {
        fuzz::check(registry.queriedName == valueName, "queried another value name", input);
        fuzz::check(registry.sizeOnEntry == sizeof(platform::Registry::ValueBuffer), "size on entry", input);
    }

    if (registry.openFails || registry.queryFails ||
        registry.bytes.size() > sizeof(platform::Registry::ValueBuffer)) {
        fuzz::check(lookup == KeyLookup::NotFound && value.empty(),
                    "an unread value gives NotFound and an empty text", input);
        return 0;
    }
    const std::uint32_t reported =
        registry.reportedSize.value_or(static_cast<std::uint32_t>(registry.bytes.size()));
    if (reported == 0 || reported > sizeof(platform::Registry::ValueBuffer)) {
        fuzz::check(lookup == KeyLookup::Malformed && value == before,
                    "a value without a last byte gives Malformed and leaves the text", input, value);
        return 0;
    }
    fuzz::check(lookup == KeyLookup::Found, "a read value gives Found", input);

    // The buffer was zeroed before the query, so bytes past what the registry wrote read as zeros.
    std::string buffer = registry.bytes;
    buffer.resize(sizeof(platform::Registry::ValueBuffer), '\0');
    const std::string_view kept(buffer.data(), buffer[reported - 1] == '\0' ? reported - 1 : reported);
    if (registry.type == platform::Registry::kTypeString)
        fuzz::check(value == kept, "string value", input, value);
    else if (registry.type == platform::Registry::kTypeDword)
        fuzz::check(value == hexFromLast(kept), "double-word value", input, value);
    else
        fuzz::check(value == before, "a value of another type changed the text", input, value);
    return 0;
}
