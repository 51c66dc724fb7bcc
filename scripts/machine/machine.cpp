// Sets a Wine prefix up as the machine Vexmora was made for: the display driver's key
// with the values a Detonator driver leaves there, at the place Windows XP's device map
// names (machine xp "<adapter>") or at Windows 2000's (machine 2000 "<adapter>").
//
// Wine keeps Control\Video\{guid}\0000 as a volatile link to a Class key that every new
// GUI process rebuilds, dropping what was added. The link is replaced by an ordinary
// volatile key holding the same values, which Wine leaves alone while its server runs.

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

int Fail(const char* what) {
    std::fprintf(stderr, "machine: could not %s\n", what);
    return 1;
}

// Replaces the link the device map names by an ordinary key; answers the key's path.
std::string XpDriverKey() {
    char entry[1024] = {};
    DWORD size = sizeof entry - 1;
    HKEY map = nullptr;
    RegOpenKeyA(HKEY_LOCAL_MACHINE, "HARDWARE\\DEVICEMAP\\VIDEO", &map);
    RegQueryValueExA(map, "\\Device\\Video0", nullptr, nullptr, reinterpret_cast<BYTE*>(entry),
                     &size);
    RegCloseKey(map);
    const std::string prefix = "\\Registry\\Machine\\", path = entry;
    if (path.compare(0, prefix.size(), prefix) != 0) return {};
    HKEY link = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str() + prefix.size(), REG_OPTION_OPEN_LINK,
                      KEY_ALL_ACCESS | DELETE, &link) == ERROR_SUCCESS) {
        auto ntDeleteKey = reinterpret_cast<LONG(WINAPI*)(HANDLE)>(
            reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtDeleteKey")));
        const bool deleted = ntDeleteKey != nullptr && ntDeleteKey(link) == 0;
        RegCloseKey(link);
        if (!deleted) return {};
    }
    return path.substr(prefix.size());
}

}  // namespace

int main(int argc, char** argv) {
    const std::string os = argc == 3 ? argv[1] : "";
    if (os != "xp" && os != "2000") return Fail("tell the machine: machine xp|2000 <adapter>");
    const std::string path =
        os == "xp" ? XpDriverKey() : "SYSTEM\\CurrentControlSet\\Services\\nv4\\Device0";
    HKEY key = nullptr;
    if (path.empty() || RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr,
                                        os == "xp" ? REG_OPTION_VOLATILE : REG_OPTION_NON_VOLATILE,
                                        KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return Fail("make the driver key");
    const DWORD one = 1;
    const std::string adapter = argv[2];
    const bool seeded =
        RegSetValueExA(key, "UseCompressedModeFormat", 0, REG_DWORD,
                       reinterpret_cast<const BYTE*>(&one), sizeof one) == ERROR_SUCCESS &&
        RegSetValueExA(key, "Device Description", 0, REG_SZ,
                       reinterpret_cast<const BYTE*>(adapter.c_str()),
                       static_cast<DWORD>(adapter.size() + 1)) == ERROR_SUCCESS;
    RegCloseKey(key);
    // A machine without its values would have the scenarios test another machine.
    if (!seeded) return Fail("write the driver key's values");
    std::printf("%s\n", path.c_str());
    return 0;
}
