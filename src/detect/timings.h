#pragma once
// The horizontal frequency a timing needs, for the standard timings a monitor names.

#include <cstdint>

namespace vexmora {

// The VESA DMT timing of this mode at this rate, in Hz, where DMT defines one on the
// program's rows above 60 Hz (and for the 60 Hz modes among the established timings); 0
// for every other mode.
int DmtHorizontalHz(int width, int height, int rate);

// The GTF timing of this many lines at this rate (progressive, no margins), in Hz.
int GtfHorizontalHz(int height, int rate);

// Hz as whole kHz, halves up, as a monitor's range limits are written.
constexpr int WholeKHz(std::int64_t hz) {
    return int((hz + 500) / 1000);
}

}  // namespace vexmora
