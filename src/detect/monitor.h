#pragma once
// The EDID block Windows keeps for the monitor of the first display adapter.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/registry_api.h"

namespace vexmora {

// The EDID of the monitor with this DeviceID ("MONITOR\<model>\<driver class>\<instance>"):
// among the instance keys under Enum\DISPLAY\<model>, the one whose Driver value names the
// same driver holds it in Device Parameters. None when any of that is not there.
std::vector<std::uint8_t> ReadMonitorEdid(RegistryApi& reg, const std::string& deviceId);

}  // namespace vexmora
