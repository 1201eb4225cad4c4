#pragma once

#include "platform/Registry.h"

namespace platform {

// The registry of the system the program runs on: advapi32 on Windows. Other systems have no
// registry, so there every key is missing and the lookups report that nothing was found.
class SystemRegistry final : public Registry {
public:
    Status openKey(std::int32_t root, const std::string& keyName, std::uint32_t access, Key& key) override;
    Status queryValue(Key key, const std::string& valueName, std::uint32_t& type, ValueBuffer& data,
                      std::uint32_t& size) override;
    void closeKey(Key key) override;
};

} // namespace platform
