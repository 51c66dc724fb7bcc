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

// An adapter or a monitor as EnumDisplayDevicesA reports it.
struct DisplayDevice {
    std::string name;  // an adapter's, to ask for its monitors: "\\.\DISPLAY1"
    std::string id;    // a monitor's DeviceID: "MONITOR\DEL4001\{4d36e96e-...}\0001"
    std::uint32_t stateFlags = 0;
};

constexpr std::uint32_t kDisplayDeviceActive = 0x1;         // a monitor in use
constexpr std::uint32_t kDisplayDevicePrimaryDevice = 0x4;  // the adapter of the desktop

class DisplayModesApi {
public:
    virtual ~DisplayModesApi() = default;
    // EnumDisplaySettingsA for one mode index; false ends the enumeration.
    virtual bool EnumMode(std::int32_t index, DisplayMode* mode) = 0;
    // EnumDisplayDevicesA: the adapter (parent empty) or the adapter's monitor at index;
    // false past the last.
    virtual bool EnumDevice(const std::string& parent, std::uint32_t index,
                            DisplayDevice* device) = 0;
};

}  // namespace vexmora
