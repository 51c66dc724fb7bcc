#pragma once
// The registry as the program needs it: the advapi32 ANSI calls, each returning the
// platform's status (0 on success) so the helpers above can decide what to ignore.

#include <cstdint>
#include <string>

namespace vexmora {

using RegKey = std::uintptr_t;

constexpr RegKey kHKeyCurrentUser = 0x80000001;
constexpr RegKey kHKeyLocalMachine = 0x80000002;

constexpr std::uint32_t kRegSz = 1;
constexpr std::uint32_t kRegExpandSz = 2;
constexpr std::uint32_t kRegBinary = 3;
constexpr std::uint32_t kRegDword = 4;
constexpr std::uint32_t kRegMultiSz = 7;

constexpr long kErrorSuccess = 0;
constexpr long kErrorFileNotFound = 2;
constexpr long kErrorInvalidHandle = 6;
constexpr long kErrorMoreData = 234;
constexpr long kErrorNoMoreItems = 259;

class RegistryApi {
public:
    virtual ~RegistryApi() = default;
    // RegOpenKeyA: an existing key only.
    virtual long Open(RegKey root, const std::string& path, RegKey* key) = 0;
    // RegCreateKeyA: opens the key, creating it and every missing parent.
    virtual long Create(RegKey root, const std::string& path, RegKey* key) = 0;
    // RegQueryValueExA: with data == nullptr only the type and the size are answered.
    virtual long QueryValue(RegKey key, const std::string& name, std::uint32_t* type,
                            std::uint8_t* data, std::uint32_t* size) = 0;
    // RegSetValueExA.
    virtual long SetValue(RegKey key, const std::string& name, std::uint32_t type,
                          const std::uint8_t* data, std::uint32_t size) = 0;
    // RegEnumKeyA: the name of the key's index-th subkey; kErrorNoMoreItems past the last.
    virtual long EnumKey(RegKey key, std::uint32_t index, std::string* name) = 0;
    // RegCloseKey; closing 0 is harmless.
    virtual long Close(RegKey key) = 0;
};

}  // namespace vexmora
