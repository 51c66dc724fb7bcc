#include "grid/rows.h"

#include "platform/text.h"

namespace vexmora {

namespace {

const std::array<const char*, kLadderSize> kLadder = {"60", "70", "72", "75", "85", "100", "120"};

}  // namespace

std::string ResolutionText(const ResolutionRow& row) {
    return Decimal(row.width) + " x " + Decimal(row.height);
}

std::optional<std::string> LadderRate(int position) {
    if (position < 1 || position > static_cast<int>(kLadder.size())) return std::nullopt;
    return kLadder[position - 1];
}

std::optional<int> LadderPosition(const std::string& text) {
    for (std::size_t i = 0; i < kLadder.size(); ++i) {
        if (text == kLadder[i]) return static_cast<int>(i) + 1;
    }
    return std::nullopt;
}

}  // namespace vexmora
