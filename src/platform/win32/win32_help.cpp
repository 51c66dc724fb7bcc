#include "win32_platform.h"

namespace vexmora::win32 {

namespace {

using HtmlHelpFn = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);

// hhctrl.ocx is loaded on first use, so a machine without HTML Help still runs the
// program; the library stays loaded for the help window that lives on after the call.
// It is named by its full path in the system directory: a bare name would let a file of
// that name in the program's folder or the current folder be loaded instead.
HtmlHelpFn HtmlHelpEntry() {
    static HtmlHelpFn entry = [] {
        char folder[MAX_PATH] = {};
        const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
        if (length == 0 || length >= MAX_PATH) return HtmlHelpFn{};
        HMODULE library = LoadLibraryA((std::string(folder, length) + "\\hhctrl.ocx").c_str());
        return library ? reinterpret_cast<HtmlHelpFn>(
                             reinterpret_cast<void*>(GetProcAddress(library, "HtmlHelpA")))
                       : nullptr;
    }();
    return entry;
}

}  // namespace

std::string Help::ProgramFolder() {
    char path[MAX_PATH + 1] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length < MAX_PATH ? length : MAX_PATH);
    const auto slash = folder.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : folder.substr(0, slash);
}

bool Help::OrdinaryFileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return false;
    return (attributes &
            (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) == 0;
}

std::uintptr_t Help::HtmlHelp(std::uintptr_t owner, const std::string& path, unsigned command,
                              std::uintptr_t data) {
    const HtmlHelpFn entry = HtmlHelpEntry();
    if (entry == nullptr) return 0;
    return reinterpret_cast<std::uintptr_t>(
        entry(reinterpret_cast<HWND>(owner), path.c_str(), command, data));
}

}  // namespace vexmora::win32
