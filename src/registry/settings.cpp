#include "registry/settings.h"

#include <algorithm>
#include <cstring>
#include <cstdlib>
#include <memory>

namespace vexmora {

namespace {

// Far beyond any value the program reads; a larger answer is as good as one that lies.
constexpr std::uint32_t kMaxValue = 64u << 20;

// A value read in two queries: a buffer sized by the first, so no buffer limit cuts the
// value, and how much of it the second filled. malloc, not a container, takes the size
// from outside: it may fail without ending the program.
struct ValueBytes {
    std::unique_ptr<std::uint8_t, decltype(&std::free)> data{nullptr, std::free};
    std::uint32_t size = 0;
    std::uint32_t got = 0;
};

// False when either query fails, the size cannot be had, or the value is not of the wanted
// type at either query (it may be replaced in between). A second query that fails means the
// value grew in between: the buffer holds nothing that was read.
bool ReadValue(RegistryApi& reg, RegKey key, const std::string& name, std::uint32_t wanted,
               ValueBytes* value) {
    std::uint32_t type = 0;
    if (reg.QueryValue(key, name, &type, nullptr, &value->size) != kErrorSuccess ||
        type != wanted || value->size > kMaxValue) {
        return false;
    }
    value->data.reset(static_cast<std::uint8_t*>(std::malloc(value->size == 0 ? 1 : value->size)));
    value->got = value->size;
    return value->data &&
           reg.QueryValue(key, name, &type, value->data.get(), &value->got) == kErrorSuccess &&
           type == wanted;
}

}  // namespace

std::string GetSettingString(RegistryApi& reg, RegKey hKey, const std::string& strPath,
                             const std::string& strValue, const std::string& strDefault) {
    std::string result = strDefault;
    RegKey key = 0;
    // A key that did not open is queried as 0 all the same: the query fails, the default stands.
    if (reg.Open(hKey, strPath, &key) != kErrorSuccess) key = 0;
    ValueBytes text;
    if (ReadValue(reg, key, strValue, kRegSz, &text)) {
        // A value that shrank in between keeps the first query's length, padded with
        // spaces: deliberate, so no unwritten byte is ever read.
        std::uint8_t* const begin = text.data.get();
        std::fill(begin + std::min(text.got, text.size), begin + text.size, ' ');
        result.assign(begin, std::find(begin, begin + text.size, '\0'));
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
    ValueBytes bytes;
    if (ReadValue(reg, key, strValue, kRegBinary, &bytes)) {
        result.assign(bytes.data.get(), bytes.data.get() + std::min(bytes.got, bytes.size));
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
