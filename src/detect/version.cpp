#include "detect/version.h"

#include <cstdint>
#include <cstring>
#include <new>
#include <vector>

#include "detect/text.h"

namespace vexmora {

namespace {

constexpr std::uint32_t kPathBuffer = 260;
constexpr std::uint32_t kFixedFileInfoSize = 52;  // VS_FIXEDFILEINFO, thirteen words
// Sizes the platform answers above this are as good as negative: no such resource.
constexpr std::uint32_t kMaxVersionData = 0x7FFFFFFF;

std::uint32_t Word(const std::uint8_t* record, int index) {
    const std::uint8_t* p = record + 4 * index;
    return p[0] | p[1] << 8 | p[2] << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

std::string Halves(std::uint32_t word) {
    return std::to_string(word >> 16) + "." + std::to_string(word & 0xFFFF);
}

// The record must lie wholly inside the version data; a resource that claims a shorter
// record, or points elsewhere, has no usable version.
bool RecordInside(const std::vector<std::uint8_t>& data, const void* record, std::uint32_t length) {
    if (record == nullptr || length < kFixedFileInfoSize) return false;
    if (data.size() < kFixedFileInfoSize) return false;
    const auto begin = reinterpret_cast<std::uintptr_t>(data.data());
    const auto at = reinterpret_cast<std::uintptr_t>(record);
    return at >= begin && at - begin <= data.size() - kFixedFileInfoSize;
}

}  // namespace

std::string GetSystemDir(SystemApi& sys) {
    char buffer[kPathBuffer] = {};
    if (sys.SystemDirectory(buffer, kPathBuffer) == 0) return {};
    return std::string(buffer, strnlen(buffer, kPathBuffer));
}

std::string GetVersionInfo(SystemApi& sys, const std::string& sFile) {
    const std::string none = "N/A";
    const std::uint32_t size = sys.VersionInfoSize(sFile);
    if (size == 0 || size > kMaxVersionData) return none;

    std::vector<std::uint8_t> data;
    try {
        data.resize(size);
    } catch (const std::bad_alloc&) {
        return none;
    }
    if (!sys.VersionInfo(sFile, size, data.data())) return none;

    const void* record = nullptr;
    std::uint32_t length = 0;
    if (!sys.QueryVersionValue(data.data(), "\\", &record, &length)) return none;
    if (!RecordInside(data, record, length)) return none;

    std::uint8_t fixed[kFixedFileInfoSize];
    std::memcpy(fixed, record, sizeof fixed);
    return Halves(Word(fixed, 2)) + "." + Halves(Word(fixed, 3));
}

std::string VersionCaption(const std::string& version) {
    return version + " (" + Left(Right(version, 4), 2) + "." + Right(version, 2) + ")";
}

}  // namespace vexmora
