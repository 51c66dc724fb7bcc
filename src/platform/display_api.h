#pragma once
// The display modes that Windows enumerates for the current display device.

#include <cstdint>
#include <string>

namespace vexmora {

struct DisplayMode {
    std::uint32_t bitsPerPel = 0;
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::uint32_t frequency = 0;
};

class DisplayModesApi {
public:
    virtual ~DisplayModesApi() = default;
    // EnumDisplaySettingsA for one mode index; false ends the enumeration.
    virtual bool EnumMode(std::int32_t index, DisplayMode* mode) = 0;
    // EnumDisplayDevicesA: the DeviceID of the first display adapter's monitor, such as
    // "MONITOR\DEL4001\{4d36e96e-e325-11ce-bfc1-08002be10318}\0001"; empty when there is none.
    virtual std::string MonitorDeviceId() = 0;
};

}  // namespace vexmora
