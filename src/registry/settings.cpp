#include "registry/settings.h"

#include <algorithm>
#include <cstring>
#include <cstdlib>
#include <memory>

namespace vexmora {

namespace {

// Far beyond any text the program reads; a larger answer is as good as one that lies.
constexpr std::uint32_t kMaxText = 64u << 20;

}  // namespace

std::string GetSettingString(RegistryApi& reg, RegKey hKey, const std::string& strPath,
                             const std::string& strValue, const std::string& strDefault) {
    std::string result = strDefault;
    RegKey key = 0;
    // A key that did not open is queried as 0 all the same: the query fails, the default stands.
    if (reg.Open(hKey, strPath, &key) != kErrorSuccess) key = 0;

    std::uint32_t type = 0;
    std::uint32_t size = 0;
    if (reg.QueryValue(key, strValue, &type, nullptr, &size) == kErrorSuccess && type == kRegSz) {
        // Sized by the first query, so the value is never cut by a buffer limit. A size
        // that cannot be had answers the default, and so does a second query that fails:
        // the value grew in between, and the buffer holds nothing that was read.
        const std::unique_ptr<char, decltype(&std::free)> buffer(
            size <= kMaxText ? static_cast<char*>(std::malloc(size == 0 ? 1 : size)) : nullptr,
            std::free);
        std::uint32_t got = size;
        // A value replaced in between by one of another type is not text either.
        if (buffer &&
            reg.QueryValue(key, strValue, &type, reinterpret_cast<std::uint8_t*>(buffer.get()),
                           &got) == kErrorSuccess &&
            type == kRegSz) {
            // A value that shrank in between keeps the first query's length, padded with
            // spaces: deliberate, so no unwritten byte is ever read.
            std::fill(buffer.get() + std::min(got, size), buffer.get() + size, ' ');
            const char* end = std::find(buffer.get(), buffer.get() + size, '\0');
            result.assign(buffer.get(), static_cast<std::size_t>(end - buffer.get()));
        }
    }
    reg.Close(key);
    return result;
}

std::int32_t GetSettingLong(RegistryApi& reg, RegKey hKey, const std::string& strPath,
                            const std::string& strValue, std::int32_t lDefault) {
    std::int32_t result = lDefault;
    RegKey key = 0;
    if (reg.Open(hKey, strPath, &key) != kErrorSuccess) key = 0;

    // A REG_DWORD stored with fewer than four bytes reads as its bytes with zeros above.
    std::uint8_t bytes[4] = {0, 0, 0, 0};
    std::uint32_t type = 0;
    std::uint32_t size = sizeof bytes;
    if (reg.QueryValue(key, strValue, &type, bytes, &size) == kErrorSuccess && type == kRegDword) {
        std::uint32_t value =
            bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
        std::memcpy(&result, &value, sizeof result);
    }
    reg.Close(key);
    return result;
}

std::vector<std::uint8_t> GetSettingBinary(RegistryApi& reg, RegKey hKey,
                                           const std::string& strPath,
                                           const std::string& strValue) {
    std::vector<std::uint8_t> result;
    RegKey key = 0;
    if (reg.Open(hKey, strPath, &key) != kErrorSuccess) return result;
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    if (reg.QueryValue(key, strValue, &type, nullptr, &size) == kErrorSuccess &&
        type == kRegBinary && size <= kMaxText) {
        // malloc, not the vector, takes the size from outside: it may fail without ending
        // the program.
        const std::unique_ptr<std::uint8_t, decltype(&std::free)> buffer(
            static_cast<std::uint8_t*>(std::malloc(size == 0 ? 1 : size)), std::free);
        std::uint32_t got = size;
        if (buffer && reg.QueryValue(key, strValue, &type, buffer.get(), &got) == kErrorSuccess &&
            type == kRegBinary && got <= size) {
            result.assign(buffer.get(), buffer.get() + got);
        }
    }
    reg.Close(key);
    return result;
}

std::vector<std::string> GetSubkeyNames(RegistryApi& reg, RegKey hKey, const std::string& strPath) {
    std::vector<std::string> names;
    RegKey key = 0;
    if (reg.Open(hKey, strPath, &key) != kErrorSuccess) return names;
    std::string name;
    for (std::uint32_t index = 0;
         index < kMaxSubkeys && reg.EnumKey(key, index, &name) == kErrorSuccess; ++index) {
        names.push_back(name);
    }
    reg.Close(key);
    return names;
}

bool SaveSettingString(RegistryApi& reg, RegKey hKey, const std::string& strPath,
                       const std::string& strValue, const std::string& strData) {
    RegKey key = 0;
    if (reg.Create(hKey, strPath, &key) != kErrorSuccess) return false;
    const auto* data = reinterpret_cast<const std::uint8_t*>(strData.c_str());
    const auto size = static_cast<std::uint32_t>(strData.size() + 1);
    const bool written = reg.SetValue(key, strValue, kRegSz, data, size) == kErrorSuccess;
    reg.Close(key);
    return written;
}

}  // namespace vexmora
