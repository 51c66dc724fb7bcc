#include "win32_platform.h"

namespace vexmora::win32 {

std::uint32_t System::SystemDirectory(char* buffer, std::uint32_t size) {
    return GetSystemDirectoryA(buffer, size);
}

std::uint32_t System::VersionInfoSize(const std::string& file) {
    DWORD handle = 0;
    return GetFileVersionInfoSizeA(file.c_str(), &handle);
}

bool System::VersionInfo(const std::string& file, std::uint32_t size, void* data) {
    return GetFileVersionInfoA(file.c_str(), 0, size, data) != 0;
}

bool System::QueryVersionValue(const void* block, const std::string& subBlock, const void** value,
                               std::uint32_t* length) {
    void* found = nullptr;
    UINT len = 0;
    // VerQueryValueA takes a non-const block, but only reads it.
    if (!VerQueryValueA(const_cast<void*>(block), subBlock.c_str(), &found, &len)) return false;
    *value = found;
    *length = len;
    return true;
}

}  // namespace vexmora::win32
