#include "detect/version.h"

#include <cstdint>
#include <cstring>
#include <cstdlib>
#include <memory>

#include "platform/text.h"

namespace vexmora {

namespace {

constexpr std::uint32_t kPathBuffer = 260;
constexpr std::uint32_t kFixedFileInfoSize = 52;  // VS_FIXEDFILEINFO, thirteen words
// A driver's version block is a few kilobytes; a size far beyond that is a lie.
constexpr std::uint32_t kMaxVersionData = 64u << 20;

std::uint32_t Word(const std::uint8_t* record, std::size_t index) {
    const std::uint8_t* p = record + 4 * index;
    return p[0] | p[1] << 8 | p[2] << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

std::string Halves(std::uint32_t word) {
    return Decimal(word >> 16) + "." + Decimal(word & 0xFFFF);
}

// The record must lie wholly inside the version data; a resource that claims a shorter
// record, or points elsewhere, has no usable version.
bool RecordInside(const std::uint8_t* data, std::uint32_t size, const void* record,
                  std::uint32_t length) {
    if (record == nullptr || length < kFixedFileInfoSize || size < kFixedFileInfoSize) return false;
    const auto begin = reinterpret_cast<std::uintptr_t>(data);
    const auto at = reinterpret_cast<std::uintptr_t>(record);
    return at >= begin && at - begin <= size - kFixedFileInfoSize;
}

}  // namespace

std::string GetSystemDir(SystemApi& sys) {
    char buffer[kPathBuffer] = {};
    if (sys.SystemDirectory(buffer, kPathBuffer) == 0) return {};
    return std::string(buffer, strnlen(buffer, kPathBuffer));
}

std::string GetVersionInfo(SystemApi& sys, const std::string& sFile) {
    constexpr const char* none = kNotAvailable;
    const std::uint32_t size = sys.VersionInfoSize(sFile);
    if (size == 0 || size > kMaxVersionData) return none;

    // A size that cannot be had answers "N/A" as well.
    const std::unique_ptr<std::uint8_t, decltype(&std::free)> data(
        static_cast<std::uint8_t*>(std::calloc(size, 1)), std::free);
    if (!data || !sys.VersionInfo(sFile, size, data.get())) return none;

    const void* record = nullptr;
    std::uint32_t length = 0;
    if (!sys.QueryVersionValue(data.get(), "\\", &record, &length)) return none;
    if (!RecordInside(data.get(), size, record, length)) return none;

    std::uint8_t fixed[kFixedFileInfoSize];
    std::memcpy(fixed, record, sizeof fixed);
    return Halves(Word(fixed, 2)) + "." + Halves(Word(fixed, 3));
}

std::string VersionCaption(const std::string& version) {
    return version + " (" + Left(Right(version, 4), 2) + "." + Right(version, 2) + ")";
}

}  // namespace vexmora
