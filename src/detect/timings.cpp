#include "detect/timings.h"

#include <algorithm>
#include <iterator>

namespace vexmora {

namespace {

struct DmtTiming {
    int width;
    int height;
    int rate;
    int hz;  // cppcheck-suppress unusedStructMember ; read through find_if
};

// VESA Display Monitor Timing Standard 1.0, revision 13: the horizontal frequency of each
// timing it defines on the rows above 60 Hz (the reduced-blanking ones are for digital
// panels), and of the three 60 Hz established timings.
constexpr DmtTiming kDmt[] = {
    {640, 480, 60, 31469},   {640, 480, 72, 37861},    {640, 480, 75, 37500},
    {640, 480, 85, 43269},   {800, 600, 60, 37879},    {800, 600, 72, 48077},
    {800, 600, 75, 46875},   {800, 600, 85, 53674},    {1024, 768, 60, 48363},
    {1024, 768, 70, 56476},  {1024, 768, 75, 60023},   {1024, 768, 85, 68677},
    {1152, 864, 75, 67500},  {1280, 768, 75, 60289},   {1280, 768, 85, 68633},
    {1280, 960, 85, 85938},  {1280, 1024, 75, 79976},  {1280, 1024, 85, 91146},
    {1600, 1200, 70, 87500}, {1600, 1200, 75, 93750},  {1600, 1200, 85, 106250},
    {1920, 1200, 75, 94038}, {1920, 1200, 85, 107184}, {1920, 1440, 75, 112500},
};

// GTF's minimum vertical sync and back porch, in seconds.
constexpr double kMinVerticalBlank = 550e-6;

}  // namespace

int DmtHorizontalHz(int width, int height, int rate) {
    const auto* found = std::find_if(std::begin(kDmt), std::end(kDmt), [&](const DmtTiming& t) {
        return t.width == width && t.height == height && t.rate == rate;
    });
    return found != std::end(kDmt) ? found->hz : 0;
}

int GtfHorizontalHz(int height, int rate) {
    // The line period estimated first, then the blanking rounded to whole lines (halves up;
    // the library's lround would bring the Pentium Pro's fcomi) and one line of front porch.
    const double line = (1.0 / rate - kMinVerticalBlank) / (height + 1);
    const double blank = kMinVerticalBlank / line;  // positive, so + 0.5 rounds it right
    return rate * (height + int(blank + 0.5) + 1);  // NOLINT(bugprone-incorrect-roundings)
}

}  // namespace vexmora
