#include "grid/rows.h"

#include "detect/text.h"

namespace vexmora {

namespace {

const std::array<const char*, kLadderSize> kLadder = {"60", "70", "72", "75", "85", "100", "120"};

}  // namespace

const std::array<ResolutionRow, kRowCount> kRows = {{
    {320, 200, true},    {320, 240, true},    {400, 300, true},    {480, 360, false},
    {512, 384, false},   {640, 400, false},   {640, 480, false},   {800, 600, false},
    {1024, 768, false},  {1152, 864, false},  {1280, 768, false},  {1280, 960, false},
    {1280, 1024, false}, {1600, 900, false},  {1600, 1024, false}, {1600, 1200, false},
    {1920, 1080, false}, {1920, 1200, false}, {1920, 1440, false}, {2048, 1536, false},
}};

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
