#pragma once
// The monitor the desktop is on, and the EDID block Windows keeps for it.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/display_api.h"
#include "platform/registry_api.h"

namespace vexmora {

// The DeviceID of the monitor Windows shows the desktop on: the first active monitor of the
// primary adapter (of the first adapter when none is flagged), or its only monitor when
// none is flagged active. Empty when there is none.
std::string FindMonitorDeviceId(DisplayModesApi& display);

// The EDID of the monitor with this DeviceID ("MONITOR\<model>\<driver class>\<instance>"):
// among the instance keys under Enum\DISPLAY\<model>, the one whose Driver value names the
// same driver holds it in Device Parameters. None when any of that is not there.
std::vector<std::uint8_t> ReadMonitorEdid(RegistryApi& reg, const std::string& deviceId);

}  // namespace vexmora
