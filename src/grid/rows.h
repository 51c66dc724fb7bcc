#pragma once
// The twenty resolution rows of the main window and the rate ladder their spin
// controls step along.

#include <array>
#include <optional>
#include <string>

namespace vexmora {

constexpr int kRowCount = 20;

struct ResolutionRow {
    int width;
    int height;
    // 4-bit modes count only for the three smallest resolutions.
    bool acceptsFourBit;
};

// Rows 1 to 20 in the order the window lists them and the Modes_Delta string holds them.
inline constexpr std::array<ResolutionRow, kRowCount> kRows = {{
    {320, 200, true},    {320, 240, true},    {400, 300, true},    {480, 360, false},
    {512, 384, false},   {640, 400, false},   {640, 480, false},   {800, 600, false},
    {1024, 768, false},  {1152, 864, false},  {1280, 768, false},  {1280, 960, false},
    {1280, 1024, false}, {1600, 900, false},  {1600, 1024, false}, {1600, 1200, false},
    {1920, 1080, false}, {1920, 1200, false}, {1920, 1440, false}, {2048, 1536, false},
}};

// The caption of a row's resolution label, as in "320 x 200".
std::string ResolutionText(const ResolutionRow& row);

// The rate captions of the twenty rate labels, row 1 first: the grid's data.
using RateLabels = std::array<std::string, kRowCount>;

// The spin controls' range: one position per ladder rate.
constexpr int kLadderSize = 7;

// Ladder position 1 to kLadderSize to its rate text ("60" ... "120"); nothing for other positions.
std::optional<std::string> LadderRate(int position);

// The position whose rate text equals the text exactly; nothing for any other text.
std::optional<int> LadderPosition(const std::string& text);

}  // namespace vexmora
