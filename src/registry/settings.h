#pragma once
// The three typed registry operations through which all of the program's registry
// traffic goes. The getters never report a failure: they answer the caller's default.

#include <cstdint>
#include <string>

#include "platform/registry_api.h"

namespace vexmora {

// A REG_SZ value, cut at its first NUL; any other type, or a missing value, gives strDefault.
std::string GetSettingString(RegistryApi& reg, RegKey hKey, const std::string& strPath,
                             const std::string& strValue, const std::string& strDefault = {});

// A REG_DWORD value as a signed 32-bit number; anything else gives lDefault.
std::int32_t GetSettingLong(RegistryApi& reg, RegKey hKey, const std::string& strPath,
                            const std::string& strValue, std::int32_t lDefault = 0);

// Creates the key path as needed and stores strData as REG_SZ with its terminator.
// Answers whether the value was really written; shows nothing.
bool SaveSettingString(RegistryApi& reg, RegKey hKey, const std::string& strPath,
                       const std::string& strValue, const std::string& strData);

}  // namespace vexmora
