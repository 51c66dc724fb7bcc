#include <windows.h>

#include <shlwapi.h>

#include <doctest/doctest.h>

#include "registry_cases.h"
#include "win32_platform.h"

using namespace vexmora;

TEST_CASE("registry helpers on the real registry") {
    // A scratch key of this process's own, removed afterwards.
    const std::string base = "Software\\VexmoraTest-" + std::to_string(GetCurrentProcessId());
    win32::Registry reg;
    cases::RunRegistryCases(reg, kHKeyCurrentUser, base);
    SHDeleteKeyA(HKEY_CURRENT_USER, base.c_str());
    HKEY gone = nullptr;
    CHECK(RegOpenKeyA(HKEY_CURRENT_USER, base.c_str(), &gone) == ERROR_FILE_NOT_FOUND);
}

TEST_CASE("a write under a volatile key is refused and reported") {
    const std::string base = "Software\\VexmoraVolatile-" + std::to_string(GetCurrentProcessId());
    HKEY key = nullptr;
    REQUIRE(RegCreateKeyExA(HKEY_CURRENT_USER, base.c_str(), 0, nullptr, REG_OPTION_VOLATILE,
                            KEY_ALL_ACCESS, nullptr, &key, nullptr) == ERROR_SUCCESS);
    RegCloseKey(key);
    win32::Registry reg;
    CHECK_FALSE(SaveSettingString(reg, kHKeyCurrentUser, base + "\\Child", "V", "x"));
    CHECK(SaveSettingString(reg, kHKeyCurrentUser, base, "V", "x"));
    SHDeleteKeyA(HKEY_CURRENT_USER, base.c_str());
}
