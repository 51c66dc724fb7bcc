#include <windows.h>

#include <doctest/doctest.h>

#include <string>

#include "win32_platform.h"

using namespace vexmora;

TEST_CASE("the help file counts only as an ordinary file") {
    win32::Help help;
    const std::string folder = help.ProgramFolder();
    REQUIRE_FALSE(folder.empty());
    CHECK(GetFileAttributesA((folder + "\\win32_tests.exe").c_str()) != INVALID_FILE_ATTRIBUTES);

    const std::string base = folder + "\\help-" + std::to_string(GetCurrentProcessId());
    auto make = [](const std::string& path, DWORD attributes) {
        HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  attributes, nullptr);
        REQUIRE(file != INVALID_HANDLE_VALUE);
        CloseHandle(file);
    };
    make(base + "-plain.chm", FILE_ATTRIBUTE_NORMAL);
    make(base + "-readonly.chm", FILE_ATTRIBUTE_READONLY);
    make(base + "-hidden.chm", FILE_ATTRIBUTE_HIDDEN);
    make(base + "-system.chm", FILE_ATTRIBUTE_SYSTEM);
    CreateDirectoryA((base + "-folder.chm").c_str(), nullptr);

    CHECK(help.OrdinaryFileExists(base + "-plain.chm"));
    CHECK(help.OrdinaryFileExists(base + "-readonly.chm"));
    CHECK_FALSE(help.OrdinaryFileExists(base + "-hidden.chm"));
    CHECK_FALSE(help.OrdinaryFileExists(base + "-system.chm"));
    CHECK_FALSE(help.OrdinaryFileExists(base + "-folder.chm"));
    CHECK_FALSE(help.OrdinaryFileExists(base + "-missing.chm"));

    for (const char* name : {"-plain.chm", "-readonly.chm", "-hidden.chm", "-system.chm"}) {
        SetFileAttributesA((base + name).c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA((base + name).c_str());
    }
    RemoveDirectoryA((base + "-folder.chm").c_str());
}
