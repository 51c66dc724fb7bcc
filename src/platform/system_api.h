#pragma once
// The system directory and the version.dll calls behind the driver version query.

#include <cstdint>
#include <string>

namespace vexmora {

class SystemApi {
public:
    virtual ~SystemApi() = default;
    // GetSystemDirectoryA: 0 on failure, otherwise the length written.
    virtual std::uint32_t SystemDirectory(char* buffer, std::uint32_t size) = 0;
    // GetFileVersionInfoSizeA: 0 when the file or its version resource is missing.
    virtual std::uint32_t VersionInfoSize(const std::string& file) = 0;
    // GetFileVersionInfoA.
    virtual bool VersionInfo(const std::string& file, std::uint32_t size, void* data) = 0;
    // VerQueryValueA: *value points into block, *length is what the resource claims.
    virtual bool QueryVersionValue(const void* block, const std::string& subBlock,
                                   const void** value, std::uint32_t* length) = 0;
};

}  // namespace vexmora
