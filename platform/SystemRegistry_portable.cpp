#include "platform/SystemRegistry.h"

namespace platform {

Registry::Status SystemRegistry::openKey(std::int32_t, const std::string&, std::uint32_t, Key& key) {
    key = 0;
    return kFileNotFound;
}

Registry::Status SystemRegistry::queryValue(Key, const std::string&, std::uint32_t& type, ValueBuffer&,
                                            std::uint32_t& size) {
    type = 0;
    size = 0;
    return kFileNotFound;
}

void SystemRegistry::closeKey(Key) {}

std::string ansiToUtf8(const std::string& ansi) {
    return ansi;
}

} // namespace platform
