#pragma once
// What the monitor reports it can show, from the EDID block Windows keeps for it.

#include <cstdint>
#include <optional>
#include <vector>

namespace vexmora {

// A mode the monitor lists itself: its rate rounded to whole hertz, and the horizontal
// frequency of its own timing rounded to whole kHz.
struct ListedMode {
    int width;
    int height;
    int rate;
    int kHz;
};

// The monitor range limits descriptor's maxima, and the modes the base block and its CTA-861
// extensions list.
struct MonitorRange {
    int maxVerticalHz;
    int maxHorizontalKHz;
    std::vector<ListedMode> listed;
};

// The range of a valid EDID: at least 128 bytes, the fixed header, a base block whose bytes
// sum to 0 modulo 256, version 1, and a range limits descriptor. Nothing otherwise. Of the
// extension blocks the base counts, those the value holds whole are read.
std::optional<MonitorRange> ParseEdid(const std::vector<std::uint8_t>& edid);

}  // namespace vexmora
