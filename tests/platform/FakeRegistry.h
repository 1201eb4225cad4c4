#pragma once

#include "platform/Registry.h"

#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

// A registry in memory that records what was asked of it. Like the registry as a user without
// administrator rights sees it, it refuses to open a key when more than read access is asked.
class FakeRegistry final : public platform::Registry {
public:
    static constexpr Status kAccessDenied = 5; // ERROR_ACCESS_DENIED
    static constexpr Status kMoreData = 234;   // ERROR_MORE_DATA

    struct Value {
        std::uint32_t type;
        std::string bytes;
        std::optional<std::uint32_t> reportedSize; // a registry that misreports the size
    };

    void setValue(const std::string& keyName, const std::string& valueName, Value value) {
        m_keys[keyName][valueName] = std::move(value);
    }
    void addKey(const std::string& keyName) { m_keys[keyName]; }
    void denyKey(const std::string& keyName) { m_denied.insert(keyName); }

    std::vector<std::uint32_t> accessAsked;
    std::set<Key> openKeys;

    Status openKey(std::int32_t root, const std::string& keyName, std::uint32_t access, Key& key) override {
        accessAsked.push_back(access);
        key = 0;
        if ((access & ~kKeyRead) != 0 || m_denied.count(keyName) != 0)
            return kAccessDenied;
        if (root != kLocalMachine || m_keys.count(keyName) == 0)
            return kFileNotFound;
        key = m_nextKey++;
        m_opened[key] = keyName;
        openKeys.insert(key);
        return kSuccess;
    }

    Status queryValue(Key key, const std::string& valueName, std::uint32_t& type, ValueBuffer& data,
                      std::uint32_t& size) override {
        const auto opened = m_opened.find(key);
        if (opened == m_opened.end() || openKeys.count(key) == 0)
            return 6; // ERROR_INVALID_HANDLE
        const auto& values = m_keys.at(opened->second);
        const auto found = values.find(valueName);
        if (found == values.end())
            return kFileNotFound;
        const Value& value = found->second;
        type = value.type;
        if (value.bytes.size() > size || value.bytes.size() > data.size()) {
            size = static_cast<std::uint32_t>(value.bytes.size());
            return kMoreData;
        }
        std::copy(value.bytes.begin(), value.bytes.end(), data.begin());
        size = value.reportedSize.value_or(static_cast<std::uint32_t>(value.bytes.size()));
        return kSuccess;
    }

    void closeKey(Key key) override { openKeys.erase(key); }

private:
    std::map<std::string, std::map<std::string, Value>> m_keys;
    std::set<std::string> m_denied;
    std::map<Key, std::string> m_opened;
    Key m_nextKey = 0x100;
};
