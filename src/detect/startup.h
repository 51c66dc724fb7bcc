#pragma once
// The start-up sequence: is this Windows 2000 or XP with a Detonator driver, where is
// the driver's key, and what the three information lines show.

#include <string>

#include "platform/dialogs_api.h"
#include "platform/registry_api.h"
#include "platform/system_api.h"

namespace vexmora {

// Why the machine does not fit, if it does not.
enum class StartupFailure { None, NoCompatibleOs, NoCompatibleDriver };

// The one stop box for a failure.
Message StartupMessage(StartupFailure failure);

struct StartupInfo {
    // Captions, each left empty when the sequence stopped before reaching it.
    std::string lblOS;
    std::string lblDetVersion;
    std::string lblAdapters;
    std::string strDriverKey;
    StartupFailure failure = StartupFailure::None;
};

StartupInfo RunStartupChecks(RegistryApi& reg, SystemApi& sys);

// The driver key named by the Windows XP device map entry: its GUID with the fixed
// instance "\0000", whatever instance the entry itself ends with.
std::string XpDriverKey(const std::string& deviceMapEntry);

}  // namespace vexmora
