#include "win32_platform.h"

#include <cstring>

namespace vexmora::win32 {

namespace {

// The predefined roots are sign-extended handles in 64-bit Windows: name them, rather
// than widening their 32-bit values.
HKEY Handle(RegKey key) {
    switch (key) {
        case kHKeyCurrentUser: return HKEY_CURRENT_USER;
        case kHKeyLocalMachine: return HKEY_LOCAL_MACHINE;
        default: return reinterpret_cast<HKEY>(key);
    }
}

}  // namespace

long Registry::Open(RegKey root, const std::string& path, RegKey* key) {
    HKEY opened = nullptr;
    const LONG status = RegOpenKeyA(Handle(root), path.c_str(), &opened);
    *key = reinterpret_cast<RegKey>(opened);
    return status;
}

long Registry::Create(RegKey root, const std::string& path, RegKey* key) {
    HKEY created = nullptr;
    const LONG status = RegCreateKeyA(Handle(root), path.c_str(), &created);
    *key = reinterpret_cast<RegKey>(created);
    return status;
}

long Registry::QueryValue(RegKey key, const std::string& name, std::uint32_t* type,
                          std::uint8_t* data, std::uint32_t* size) {
    DWORD t = 0;
    DWORD s = size ? *size : 0;
    const LONG status =
        RegQueryValueExA(Handle(key), name.c_str(), nullptr, &t, data, size ? &s : nullptr);
    if (type) *type = t;
    if (size) *size = s;
    return status;
}

long Registry::SetValue(RegKey key, const std::string& name, std::uint32_t type,
                        const std::uint8_t* data, std::uint32_t size) {
    return RegSetValueExA(Handle(key), name.c_str(), 0, type, data, size);
}

long Registry::EnumKey(RegKey key, std::uint32_t index, std::string* name) {
    char buffer[MAX_PATH] = {};  // a key name is at most 255 characters
    const LONG status = RegEnumKeyA(Handle(key), index, buffer, sizeof buffer);
    *name = status == ERROR_SUCCESS ? std::string(buffer, strnlen(buffer, sizeof buffer)) : "";
    return status;
}

long Registry::Close(RegKey key) {
    return RegCloseKey(Handle(key));
}

}  // namespace vexmora::win32
