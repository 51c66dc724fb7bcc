#pragma once
// The Windows services behind the platform interfaces: advapi32, kernel32, version.dll,
// user32 and hhctrl.ocx, all in their ANSI forms.

#include <windows.h>

#include "platform/dialogs_api.h"
#include "platform/display_api.h"
#include "platform/help_api.h"
#include "platform/registry_api.h"
#include "platform/system_api.h"

namespace vexmora::win32 {

class Registry : public RegistryApi {
public:
    long Open(RegKey root, const std::string& path, RegKey* key) override;
    long Create(RegKey root, const std::string& path, RegKey* key) override;
    long QueryValue(RegKey key, const std::string& name, std::uint32_t* type, std::uint8_t* data,
                    std::uint32_t* size) override;
    long SetValue(RegKey key, const std::string& name, std::uint32_t type, const std::uint8_t* data,
                  std::uint32_t size) override;
    long EnumKey(RegKey key, std::uint32_t index, std::string* name) override;
    long Close(RegKey key) override;
};

class System : public SystemApi {
public:
    std::uint32_t SystemDirectory(char* buffer, std::uint32_t size) override;
    std::uint32_t VersionInfoSize(const std::string& file) override;
    bool VersionInfo(const std::string& file, std::uint32_t size, void* data) override;
    bool QueryVersionValue(const void* block, const std::string& subBlock, const void** value,
                           std::uint32_t* length) override;
};

class DisplayModes : public DisplayModesApi {
public:
    bool EnumMode(std::int32_t index, DisplayMode* mode) override;
    bool EnumDevice(const std::string& parent, std::uint32_t index, DisplayDevice* device) override;
};

class Dialogs : public DialogsApi {
public:
    // The window the boxes belong to; none until the main window exists.
    HWND owner = nullptr;

protected:
    int Box(const std::string& text, BoxKind kind) override;
};

class Help : public HelpApi {
public:
    using HtmlHelpFn = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);

    Help() = default;
    // This viewer in place of hhctrl.ocx's HtmlHelpA.
    explicit Help(HtmlHelpFn htmlHelp) : htmlHelp_(htmlHelp) {}
    Help(const Help&) = delete;
    Help& operator=(const Help&) = delete;
    // Closes the help viewers it opened.
    ~Help() override;
    std::string ProgramFolder() override;
    bool OrdinaryFileExists(const std::string& path) override;
    std::uintptr_t HtmlHelp(std::uintptr_t owner, const std::string& path, unsigned command,
                            std::uintptr_t data) override;

private:
    // HtmlHelpA, once hhctrl.ocx is loaded; the library stays for the viewers it opens.
    HtmlHelpFn htmlHelp_ = nullptr;
};

}  // namespace vexmora::win32
