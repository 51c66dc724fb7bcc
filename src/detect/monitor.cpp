#include "detect/monitor.h"

#include <algorithm>
#include <cctype>

#include "registry/settings.h"

namespace vexmora {

namespace {

constexpr char kDisplayEnumKey[] = "SYSTEM\\CurrentControlSet\\Enum\\DISPLAY\\";

// GUIDs are the same whatever their case.
bool SameIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

}  // namespace

std::vector<std::uint8_t> ReadMonitorEdid(RegistryApi& reg, const std::string& deviceId) {
    std::vector<std::string> parts(1);
    for (const char c : deviceId) {
        if (c == '\\') {
            parts.emplace_back();
        } else {
            parts.back() += c;
        }
    }
    if (parts.size() != 4 || parts[1].empty()) return {};
    const std::string model = kDisplayEnumKey + parts[1];
    const std::string driver = parts[2] + "\\" + parts[3];
    for (const std::string& instance : GetSubkeyNames(reg, kHKeyLocalMachine, model)) {
        const std::string key = model + "\\" + instance;
        if (SameIgnoringCase(GetSettingString(reg, kHKeyLocalMachine, key, "Driver"), driver)) {
            return GetSettingBinary(reg, kHKeyLocalMachine, key + "\\Device Parameters", "EDID");
        }
    }
    return {};
}

}  // namespace vexmora
