#include "win32_platform.h"

namespace vexmora::win32 {

namespace {

// hhctrl.ocx is named by its full path in the system directory: a bare name would let a
// file of that name in the program's folder or the current folder be loaded instead.
Help::HtmlHelpFn LoadHtmlHelp() {
    char folder[MAX_PATH] = {};
    const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    HMODULE library = LoadLibraryA((std::string(folder, length) + "\\hhctrl.ocx").c_str());
    return library ? reinterpret_cast<Help::HtmlHelpFn>(
                         reinterpret_cast<void*>(GetProcAddress(library, "HtmlHelpA")))
                   : nullptr;
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
    if (htmlHelp_ == nullptr) htmlHelp_ = LoadHtmlHelp();
    if (htmlHelp_ == nullptr) return 0;
    return reinterpret_cast<std::uintptr_t>(
        htmlHelp_(reinterpret_cast<HWND>(owner), path.c_str(), command, data));
}

// The viewer runs a thread of its own inside this process: left open, it can hang or crash
// the program's exit.
Help::~Help() {
    if (htmlHelp_ != nullptr) htmlHelp_(nullptr, nullptr, kHhCloseAll, 0);
}

}  // namespace vexmora::win32
