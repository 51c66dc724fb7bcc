// Sets a Wine prefix up as the machine Vexmora was made for: the display driver's key
// with the values a Detonator driver leaves there.
//
//   machine xp "<adapter>"          the key the Windows XP device map names
//   machine 2000 "<adapter>" [volatile]  Services\nv4\Device0 (volatile keys on request)
//   machine delete "<key>"          removes a key under HKEY_LOCAL_MACHINE
//
// Wine keeps Control\Video\{guid}\0000 as a volatile link to a Class key that every new
// GUI process rebuilds, dropping what was added. The link is replaced by an ordinary
// volatile key holding the same values, which Wine leaves alone while its server runs.

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Value {
    std::string name;
    DWORD type;
    std::vector<BYTE> data;
};

int Fail(const char* what, LONG status) {
    std::fprintf(stderr, "machine: %s failed (%ld)\n", what, status);
    return 1;
}

std::vector<Value> ReadValues(HKEY key) {
    std::vector<Value> values;
    for (DWORD i = 0;; ++i) {
        char name[16384];
        DWORD nameSize = sizeof name;
        DWORD type = 0, size = 0;
        if (RegEnumValueA(key, i, name, &nameSize, nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
            break;
        Value v{std::string(name, nameSize), type, std::vector<BYTE>(size)};
        nameSize = sizeof name;
        RegEnumValueA(key, i, name, &nameSize, nullptr, &type, v.data.data(), &size);
        values.push_back(v);
    }
    return values;
}

LONG CreateKey(const std::string& path, bool isVolatile, HKEY* key) {
    return RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr,
                           isVolatile ? REG_OPTION_VOLATILE : REG_OPTION_NON_VOLATILE,
                           KEY_ALL_ACCESS, nullptr, key, nullptr);
}

void SetDriverValues(HKEY key, const std::string& adapter) {
    const DWORD one = 1;
    RegSetValueExA(key, "UseCompressedModeFormat", 0, REG_DWORD,
                   reinterpret_cast<const BYTE*>(&one), sizeof one);
    RegSetValueExA(key, "Device Description", 0, REG_SZ,
                   reinterpret_cast<const BYTE*>(adapter.c_str()),
                   static_cast<DWORD>(adapter.size() + 1));
}

int SeedXp(const std::string& adapter) {
    char entry[1024] = {};
    DWORD size = sizeof entry - 1;
    HKEY map = nullptr;
    LONG status = RegOpenKeyA(HKEY_LOCAL_MACHINE, "HARDWARE\\DEVICEMAP\\VIDEO", &map);
    if (status != ERROR_SUCCESS) return Fail("open the device map", status);
    status = RegQueryValueExA(map, "\\Device\\Video0", nullptr, nullptr,
                              reinterpret_cast<BYTE*>(entry), &size);
    RegCloseKey(map);
    if (status != ERROR_SUCCESS) return Fail("read \\Device\\Video0", status);
    const std::string prefix = "\\Registry\\Machine\\";
    std::string path = entry;
    if (path.compare(0, prefix.size(), prefix) != 0)
        return Fail("recognise the device map entry", 0);
    path = path.substr(prefix.size());

    HKEY link = nullptr;
    std::vector<Value> values;
    status = RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), REG_OPTION_OPEN_LINK,
                           KEY_ALL_ACCESS | DELETE, &link);
    if (status == ERROR_SUCCESS) {
        values = ReadValues(link);
        using NtDeleteKeyFn = LONG(WINAPI*)(HANDLE);
        auto ntDeleteKey = reinterpret_cast<NtDeleteKeyFn>(
            reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtDeleteKey")));
        if (ntDeleteKey == nullptr) return Fail("find NtDeleteKey", 0);
        status = ntDeleteKey(link);
        RegCloseKey(link);
        if (status != 0) return Fail("delete the link", status);
    }
    HKEY key = nullptr;
    status = CreateKey(path, true, &key);
    if (status != ERROR_SUCCESS) return Fail("create the driver key", status);
    for (const Value& v : values) {
        RegSetValueExA(key, v.name.c_str(), 0, v.type, v.data.data(),
                       static_cast<DWORD>(v.data.size()));
    }
    SetDriverValues(key, adapter);
    RegCloseKey(key);
    std::printf("%s\n", path.c_str());
    return 0;
}

int Seed2000(const std::string& adapter, bool isVolatile) {
    HKEY key = nullptr;
    LONG status = CreateKey("SYSTEM\\CurrentControlSet\\Services\\nv4", isVolatile, &key);
    if (status != ERROR_SUCCESS) return Fail("create Services\\nv4", status);
    RegCloseKey(key);
    status = CreateKey("SYSTEM\\CurrentControlSet\\Services\\nv4\\Device0", isVolatile, &key);
    if (status != ERROR_SUCCESS) return Fail("create Device0", status);
    SetDriverValues(key, adapter);
    RegCloseKey(key);
    std::printf("SYSTEM\\CurrentControlSet\\Services\\nv4\\Device0\n");
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "xp" && argc == 3) return SeedXp(argv[2]);
    if (command == "2000" && (argc == 3 || argc == 4)) {
        return Seed2000(argv[2], argc == 4 && std::string(argv[3]) == "volatile");
    }
    if (command == "delete" && argc == 3) {
        const LONG status = RegDeleteKeyA(HKEY_LOCAL_MACHINE, argv[2]);
        return status == ERROR_SUCCESS ? 0 : Fail("delete the key", status);
    }
    std::fprintf(stderr, "usage: machine xp|2000 <adapter> [volatile] | delete <key>\n");
    return 2;
}
