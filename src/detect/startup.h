#pragma once
// The start-up sequence: is this Windows 2000 or XP with a Detonator driver, where is
// the driver's key, and what the three information lines show.

#include <string>

#include "platform/registry_api.h"
#include "platform/system_api.h"

namespace vexmora {

inline constexpr char kNoCompatibleOs[] = "No compatible Operating System found";
inline constexpr char kNoCompatibleDriver[] = "No compatible Detonator version found";

struct StartupInfo {
    // Captions, each left empty when the sequence stopped before reaching it.
    std::string lblOS;
    std::string lblDetVersion;
    std::string lblAdapters;
    std::string strDriverKey;
    // The message that ends the program, or empty when the machine fits.
    std::string failure;
};

StartupInfo RunStartupChecks(RegistryApi& reg, SystemApi& sys);

// The driver key named by the Windows XP device map entry: its GUID with the fixed
// instance "\0000", whatever instance the entry itself ends with.
std::string XpDriverKey(const std::string& deviceMapEntry);

}  // namespace vexmora
