#include "platform/SystemRegistry.h"

#include "platform/Utf16.h"

#include <algorithm>

#include <windows.h>

namespace platform {

namespace {

HKEY toHandle(Registry::Key key) {
    return reinterpret_cast<HKEY>(key);
}

} // namespace

Registry::Status SystemRegistry::openKey(std::int32_t root, const std::string& keyName, std::uint32_t access,
                                         Key& key) {
    // Predefined root keys are 32-bit values sign-extended to a handle, as HKEY_LOCAL_MACHINE is.
    const HKEY rootKey = reinterpret_cast<HKEY>(static_cast<std::intptr_t>(root));
    HKEY opened = nullptr;
    const LONG status = RegOpenKeyExA(rootKey, keyName.c_str(), 0, access, &opened);
    key = status == ERROR_SUCCESS ? reinterpret_cast<Key>(opened) : 0;
    return status;
}

Registry::Status SystemRegistry::queryValue(Key key, const std::string& valueName, std::uint32_t& type,
                                            ValueBuffer& data, std::uint32_t& size) {
    DWORD valueType = 0;
    DWORD byteCount = std::min<DWORD>(size, static_cast<DWORD>(data.size()));
    const LONG status = RegQueryValueExA(toHandle(key), valueName.c_str(), nullptr, &valueType,
                                         reinterpret_cast<LPBYTE>(data.data()), &byteCount);
    type = valueType;
    size = byteCount;
    return status;
}

void SystemRegistry::closeKey(Key key) {
    RegCloseKey(toHandle(key));
}

std::string ansiToUtf8(const std::string& ansi) {
    if (ansi.empty())
        return {};
    const int size = static_cast<int>(ansi.size());
    std::wstring utf16(MultiByteToWideChar(CP_ACP, 0, ansi.data(), size, nullptr, 0), L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi.data(), size, utf16.data(), static_cast<int>(utf16.size()));
    return toUtf8(utf16);
}

} // namespace platform
