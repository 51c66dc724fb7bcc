#include "grid/beyond_monitor.h"

#include <algorithm>
#include <numeric>
#include <optional>

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

// The monitor's own word comes before any estimate: a mode it lists, it can show.
bool Lists(const MonitorRange& range, const ResolutionRow& row, int rate) {
    const ListedMode mode = {row.width, row.height, rate};
    return std::find(range.listed.begin(), range.listed.end(), mode) != range.listed.end();
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
        if (!rate || !was || *rate <= *was || Lists(range, kRows[i], *rate)) continue;
        if (*rate > range.maxVerticalHz ||
            EstimateHorizontalKHz(kRows[i].height, *rate) > range.maxHorizontalKHz) {
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
