#include "detect/edid.h"

#include <algorithm>
#include <iterator>
#include <numeric>

namespace vexmora {

namespace {

constexpr std::size_t kBlock = 128;
constexpr std::uint8_t kHeader[] = {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00};
constexpr std::size_t kDescriptors[] = {54, 72, 90, 108};
constexpr std::uint8_t kRangeLimitsTag = 0xFD;

}  // namespace

std::optional<MonitorRange> ParseEdid(const std::vector<std::uint8_t>& edid) {
    if (edid.size() < kBlock || !std::equal(std::begin(kHeader), std::end(kHeader), edid.begin()))
        return std::nullopt;
    if (std::accumulate(edid.begin(), edid.begin() + kBlock, 0u) % 256 != 0 || edid[18] != 1)
        return std::nullopt;
    for (const std::size_t at : kDescriptors) {
        const std::uint8_t* d = edid.data() + at;
        if (d[0] != 0 || d[1] != 0 || d[2] != 0 || d[3] != kRangeLimitsTag) continue;
        // EDID 1.4 adds 255 to a maximum whose offset flag is set.
        const std::uint8_t flags = edid[19] >= 4 ? d[4] : 0;
        return MonitorRange{d[6] + ((flags & 0x02) != 0 ? 255 : 0),
                            d[8] + ((flags & 0x08) != 0 ? 255 : 0)};
    }
    return std::nullopt;
}

}  // namespace vexmora
