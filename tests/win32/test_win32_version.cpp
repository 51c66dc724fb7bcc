#include <windows.h>

#include <doctest/doctest.h>

#include "detect/version.h"
#include "win32_platform.h"

using namespace vexmora;

namespace {

std::string Beside(const std::string& file) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\') + 1) + file;
}

}  // namespace

TEST_CASE("driver version from a real version resource") {
    win32::System sys;
    CHECK(GetVersionInfo(sys, Beside("driver_45_23.dll")) == "6.14.10.4523");
    CHECK(GetVersionInfo(sys, Beside("driver_65535.dll")) == "6.13.10.65535");
    // The test program itself carries no version resource.
    CHECK(GetVersionInfo(sys, Beside("win32_tests.exe")) == "N/A");
    CHECK(GetVersionInfo(sys, Beside("no such driver.dll")) == "N/A");
    CHECK(GetVersionInfo(sys, "") == "N/A");
}

TEST_CASE("system directory") {
    win32::System sys;
    const std::string dir = GetSystemDir(sys);
    char expected[MAX_PATH] = {};
    GetSystemDirectoryA(expected, MAX_PATH);
    CHECK(dir == expected);
    CHECK_FALSE(dir.empty());
    CHECK(dir.back() != '\\');
}
