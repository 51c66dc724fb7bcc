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

std::string DisplayModes::MonitorDeviceId() {
    DISPLAY_DEVICEA adapter = {};
    adapter.cb = sizeof adapter;
    DISPLAY_DEVICEA monitor = {};
    monitor.cb = sizeof monitor;
    if (!EnumDisplayDevicesA(nullptr, 0, &adapter, 0) ||
        !EnumDisplayDevicesA(adapter.DeviceName, 0, &monitor, 0)) {
        return {};
    }
    return std::string(monitor.DeviceID, strnlen(monitor.DeviceID, sizeof monitor.DeviceID));
}

}  // namespace vexmora::win32
