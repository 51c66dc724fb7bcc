#include "detect/startup.h"

#include "platform/text.h"
#include "detect/version.h"
#include "platform/messages.h"
#include "registry/settings.h"

namespace vexmora {

namespace {

constexpr char kVersionKey[] = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
constexpr char kDeviceMapKey[] = "HARDWARE\\DEVICEMAP\\VIDEO";
constexpr char kVideoKey[] = "SYSTEM\\CurrentControlSet\\Control\\Video\\";
constexpr char kWin2000DriverKey[] = "SYSTEM\\CurrentControlSet\\Services\\nv4\\Device0";

}  // namespace

std::string XpDriverKey(const std::string& deviceMapEntry) {
    // The entry ends in "{guid}\0000": 38 characters of GUID and 5 of instance.
    return kVideoKey + Left(Right(deviceMapEntry, 43), 38) + "\\0000";
}

Message StartupMessage(StartupFailure failure) {
    return failure == StartupFailure::NoCompatibleOs ? kNoCompatibleOs : kNoCompatibleDriver;
}

StartupInfo RunStartupChecks(RegistryApi& reg, SystemApi& sys) {
    StartupInfo info;
    const std::string os = GetSettingString(reg, kHKeyLocalMachine, kVersionKey, "CurrentVersion");
    const bool xp = os == "5.1";
    if (xp) info.lblOS = "Windows XP";
    if (os == "5.0") info.lblOS = "Windows 2000";
    if (!xp && os != "5.0") {
        info.failure = StartupFailure::NoCompatibleOs;
        return info;
    }

    info.lblDetVersion = VersionCaption(GetVersionInfo(sys, GetSystemDir(sys) + "\\nv4_disp.dll"));

    info.strDriverKey = xp ? XpDriverKey(GetSettingString(reg, kHKeyLocalMachine, kDeviceMapKey,
                                                          "\\Device\\Video0"))
                           : kWin2000DriverKey;

    if (GetSettingLong(reg, kHKeyLocalMachine, info.strDriverKey, "UseCompressedModeFormat") == 0) {
        info.failure = StartupFailure::NoCompatibleDriver;
        return info;
    }
    info.lblAdapters =
        GetSettingString(reg, kHKeyLocalMachine, info.strDriverKey, "Device Description");
    return info;
}

}  // namespace vexmora
