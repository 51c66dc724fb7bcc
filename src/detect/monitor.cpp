#include "detect/monitor.h"

#include <algorithm>

#include "registry/settings.h"

namespace vexmora {

namespace {

constexpr char kDisplayEnumKey[] = "SYSTEM\\CurrentControlSet\\Enum\\DISPLAY\\";

// GUIDs are the same whatever their case; they are ASCII.
bool SameIgnoringCase(const std::string& a, const std::string& b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

// More adapters or monitors than any machine has: a list that goes on is not believed.
constexpr std::uint32_t kMaxDevices = 64;

}  // namespace

std::string FindMonitorDeviceId(DisplayModesApi& display) {
    DisplayDevice adapter;
    DisplayDevice device;
    for (std::uint32_t i = 0; i < kMaxDevices && display.EnumDevice("", i, &device); ++i) {
        if (i == 0 || (device.stateFlags & kDisplayDevicePrimaryDevice) != 0) adapter = device;
        if ((device.stateFlags & kDisplayDevicePrimaryDevice) != 0) break;
    }
    if (adapter.name.empty()) return {};
    // A driver may leave the flag clear on the only monitor there is.
    std::uint32_t count = 0;
    std::string only;
    for (; count < kMaxDevices && display.EnumDevice(adapter.name, count, &device); ++count) {
        if ((device.stateFlags & kDisplayDeviceActive) != 0) return device.id;
        only = device.id;
    }
    return count == 1 ? only : std::string();
}

std::vector<std::uint8_t> ReadMonitorEdid(RegistryApi& reg, const std::string& deviceId) {
    // MONITOR \ model \ driver class \ instance: the model names the key, the rest the driver.
    if (std::count(deviceId.begin(), deviceId.end(), '\\') != 3) return {};
    const std::size_t model = deviceId.find('\\') + 1;
    const std::size_t driver = deviceId.find('\\', model) + 1;
    if (driver == model + 1) return {};
    const std::string key = kDisplayEnumKey + deviceId.substr(model, driver - model - 1);
    for (const std::string& name : GetSubkeyNames(reg, kHKeyLocalMachine, key)) {
        std::string instance = key;
        instance.append("\\").append(name);
        if (SameIgnoringCase(GetSettingString(reg, kHKeyLocalMachine, instance, "Driver"),
                             deviceId.substr(driver))) {
            return GetSettingBinary(reg, kHKeyLocalMachine, instance + "\\Device Parameters",
                                    "EDID");
        }
    }
    return {};
}

}  // namespace vexmora
