#include "grid/beyond_monitor.h"

#include <algorithm>
#include <numeric>
#include <optional>

#include "detect/timings.h"

namespace vexmora {

namespace {

// A rate label's text as a number: a decimal of at most five digits, else nothing.
std::optional<int> Rate(const std::string& text) {
    if (text.empty() || text.size() > 5 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    return std::accumulate(text.begin(), text.end(), 0,
                           [](int rate, char digit) { return rate * 10 + (digit - '0'); });
}

// A mode the monitor lists is trusted where its own timing lies inside the monitor's range:
// a monitor that lists a mode its range excludes says two things, and the range keeps the
// screen safe.
bool TrustedListing(const MonitorRange& range, const ResolutionRow& row, int rate) {
    return std::any_of(range.listed.begin(), range.listed.end(), [&](const ListedMode& m) {
        return m.width == row.width && m.height == row.height && m.rate == rate &&
               m.rate <= range.maxVerticalHz && m.kHz <= range.maxHorizontalKHz;
    });
}

// The horizontal rate the driver's timing for the row needs: DMT's where DMT defines the
// mode at that rate, and a CRT's at least otherwise.
double HorizontalKHz(const ResolutionRow& row, int rate) {
    const int dmt = DmtHorizontalHz(row.width, row.height, rate);
    return dmt != 0 ? WholeKHz(dmt) : EstimateHorizontalKHz(row.height, rate);
}

}  // namespace

double EstimateHorizontalKHz(int height, int rate) {
    return rate * height / (1.0 - rate * 0.000550) / 1000.0;
}

std::vector<std::string> RatesBeyond(const MonitorRange& range, const RateLabels& shown,
                                     const RateLabels& offered) {
    std::vector<std::string> rows;
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        const auto rate = Rate(shown[i]);
        const auto was = Rate(offered[i]);
        if (!rate || !was || *rate <= *was || TrustedListing(range, kRows[i], *rate)) continue;
        if (*rate > range.maxVerticalHz ||
            HorizontalKHz(kRows[i], *rate) > range.maxHorizontalKHz) {
            rows.push_back(ResolutionText(kRows[i]) + " at " + shown[i] + " Hz");
        }
    }
    return rows;
}

std::string JoinedRows(const std::vector<std::string>& rows) {
    std::string list;
    for (const std::string& row : rows) list += (list.empty() ? "" : ", ") + row;
    return list;
}

}  // namespace vexmora
