#pragma once
// What the monitor reports it can show, from the EDID block Windows keeps for it.

#include <cstdint>
#include <optional>
#include <vector>

namespace vexmora {

// A mode the monitor lists itself, its rate rounded to whole hertz.
struct ListedMode {
    int width;
    int height;
    int rate;
    bool operator==(const ListedMode& o) const {
        return width == o.width && height == o.height && rate == o.rate;
    }
};

// The monitor range limits descriptor's maxima, and the modes the base block lists.
struct MonitorRange {
    int maxVerticalHz;
    int maxHorizontalKHz;
    std::vector<ListedMode> listed;
};

// The range of a valid EDID: at least 128 bytes, the fixed header, a base block whose bytes
// sum to 0 modulo 256, version 1, and a range limits descriptor. Nothing otherwise.
std::optional<MonitorRange> ParseEdid(const std::vector<std::uint8_t>& edid);

}  // namespace vexmora
