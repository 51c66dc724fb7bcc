#include "grid/edid.h"

#include <algorithm>
#include <iterator>
#include <numeric>

#include "detect/text.h"

namespace vexmora {

namespace {

constexpr std::size_t kBlock = 128;
constexpr std::uint8_t kHeader[] = {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00};
constexpr std::size_t kDescriptors[] = {54, 72, 90, 108};
constexpr std::uint8_t kRangeLimitsTag = 0xFD;

// A rate label's text as a number: a decimal of at most five digits, else nothing.
std::optional<int> Rate(const std::string& text) {
    if (text.empty() || text.size() > 5 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    return std::accumulate(text.begin(), text.end(), 0,
                           [](int rate, char digit) { return rate * 10 + (digit - '0'); });
}

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

double EstimateHorizontalKHz(int height, int rate) {
    return rate * height / (1.0 - rate * 0.000550) / 1000.0;
}

std::vector<std::string> RatesBeyond(const MonitorRange& range, const RateLabels& shown,
                                     const RateLabels& offered) {
    std::vector<std::string> rows;
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        const auto rate = Rate(shown[i]);
        const auto was = Rate(offered[i]);
        if (!rate || !was || *rate <= *was) continue;
        if (*rate > range.maxVerticalHz ||
            EstimateHorizontalKHz(kRows[i].height, *rate) > range.maxHorizontalKHz) {
            rows.push_back(ResolutionText(kRows[i]) + " at " + shown[i] + " Hz");
        }
    }
    return rows;
}

std::string BeyondMonitorWarning(const std::vector<std::string>& rows) {
    std::string list;
    for (const std::string& row : rows) list += (list.empty() ? "" : ", ") + row;
    return "These rates are beyond what your monitor reports it can show: " + list +
           ". A rate the monitor cannot show may leave the screen blank after the restart. "
           "Apply anyway?";
}

}  // namespace vexmora
