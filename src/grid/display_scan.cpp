#include "grid/display_scan.h"

#include <cstdint>

#include "platform/text.h"

namespace vexmora {

namespace {

bool Matches(const ResolutionRow& row, const DisplayMode& mode) {
    // Only the low 16 bits of the depth count, as the display settings API has them.
    const bool fourBit = static_cast<std::int16_t>(mode.bitsPerPel & 0xFFFF) == 4;
    return static_cast<std::int32_t>(mode.frequency) > 0 &&
           mode.width == static_cast<std::uint32_t>(row.width) &&
           mode.height == static_cast<std::uint32_t>(row.height) &&
           (row.acceptsFourBit || !fourBit);
}

}  // namespace

void FillRatesFromModes(DisplayModesApi& display, RateLabels& labels) {
    DisplayMode mode;
    for (std::int32_t index = 0; display.EnumMode(index, &mode); ++index) {
        for (std::size_t i = 0; i < kRows.size(); ++i) {
            if (Matches(kRows[i], mode)) labels[i] = Decimal(mode.frequency);
        }
        if (index == INT32_MAX) break;
    }
    for (std::string& label : labels) {
        if (label.empty()) label = kNotAvailable;
    }
}

}  // namespace vexmora
