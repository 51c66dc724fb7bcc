#pragma once
// What the monitor reports it can show, from the EDID block Windows keeps for it.

#include <cstdint>
#include <optional>
#include <vector>

namespace vexmora {

// The monitor range limits descriptor's maxima.
struct MonitorRange {
    int maxVerticalHz;
    int maxHorizontalKHz;
};

// The range of a valid EDID: at least 128 bytes, the fixed header, a base block whose bytes
// sum to 0 modulo 256, version 1, and a range limits descriptor. Nothing otherwise.
std::optional<MonitorRange> ParseEdid(const std::vector<std::uint8_t>& edid);

}  // namespace vexmora
