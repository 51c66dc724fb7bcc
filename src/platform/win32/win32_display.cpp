#include "win32_platform.h"

#include <cstddef>
#include <cstring>

namespace vexmora::win32 {

namespace {

// The record as Windows 2000 knew it: it ends with dmDisplayFrequency.
constexpr WORD kDevModeSize = offsetof(DEVMODEA, dmDisplayFrequency) + sizeof(DWORD);
static_assert(kDevModeSize == 124, "DEVMODEA up to dmDisplayFrequency is 124 bytes");

}  // namespace

bool DisplayModes::EnumMode(std::int32_t index, DisplayMode* mode) {
    DEVMODEA record = {};
    record.dmSize = kDevModeSize;
    record.dmDriverExtra = 0;
    if (!EnumDisplaySettingsA(nullptr, static_cast<DWORD>(index), &record)) return false;
    mode->bitsPerPel = record.dmBitsPerPel;
    mode->width = record.dmPelsWidth;
    mode->height = record.dmPelsHeight;
    mode->frequency = record.dmDisplayFrequency;
    return true;
}

bool DisplayModes::EnumDevice(const std::string& parent, std::uint32_t index,
                              DisplayDevice* device) {
    DISPLAY_DEVICEA found = {};
    found.cb = sizeof found;
    if (!EnumDisplayDevicesA(parent.empty() ? nullptr : parent.c_str(), index, &found, 0))
        return false;
    device->name =
        std::string(found.DeviceName, strnlen(found.DeviceName, sizeof found.DeviceName));
    device->id = std::string(found.DeviceID, strnlen(found.DeviceID, sizeof found.DeviceID));
    device->stateFlags = found.StateFlags;
    return true;
}

}  // namespace vexmora::win32
