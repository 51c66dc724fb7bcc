#pragma once
// The five typed registry operations through which all of the program's registry
// traffic goes: read text, a number or bytes, list subkeys, write text. The readers never
// report a failure: they answer the caller's default, or nothing.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/registry_api.h"

namespace vexmora {

// A REG_SZ value, cut at its first NUL; any other type, or a missing value, gives strDefault.
std::string GetSettingString(RegistryApi& reg, RegKey hKey, const std::string& strPath,
                             const std::string& strValue, const std::string& strDefault = {});

// A REG_DWORD value as a signed 32-bit number; anything else gives lDefault.
std::int32_t GetSettingLong(RegistryApi& reg, RegKey hKey, const std::string& strPath,
                            const std::string& strValue, std::int32_t lDefault = 0);

// A REG_BINARY value's bytes; anything else, or a value that cannot be read whole, gives none.
std::vector<std::uint8_t> GetSettingBinary(RegistryApi& reg, RegKey hKey,
                                           const std::string& strPath, const std::string& strValue);

// The names of the key's subkeys, at most the first kMaxSubkeys; none when it does not open.
constexpr std::uint32_t kMaxSubkeys = 1024;
std::vector<std::string> GetSubkeyNames(RegistryApi& reg, RegKey hKey, const std::string& strPath);

// Creates the key path as needed and stores strData as REG_SZ with its terminator.
// Answers whether the value was really written; shows nothing.
bool SaveSettingString(RegistryApi& reg, RegKey hKey, const std::string& strPath,
                       const std::string& strValue, const std::string& strData);

}  // namespace vexmora
