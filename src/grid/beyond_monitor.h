#pragma once
// Which of the user's rates lie beyond what the monitor reports it can show. A CRT driven
// past its limits shows nothing, or worse: the program warns before it writes such a rate.

#include <string>
#include <vector>

#include "detect/edid.h"
#include "grid/rows.h"

namespace vexmora {

// The horizontal rate a CRT timing needs for this many lines at this rate, with at least
// 550 us of vertical blanking, in kHz.
double EstimateHorizontalKHz(int height, int rate);

// The rows whose rate the user raised above what Windows offered and that lie beyond the
// range (above its vertical maximum, or needing more lines a second than its horizontal
// maximum: DMT's timing where it defines the mode, else as a CRT would), as "1600 x 1200 at
// 100 Hz", in row order. Rows showing N/A are never among them, nor a resolution at a rate
// the monitor lists with a timing inside its range.
std::vector<std::string> RatesBeyond(const MonitorRange& range, const RateLabels& shown,
                                     const RateLabels& offered);

// Those rows as the warning names them: "640 x 480 at 85 Hz, 1024 x 768 at 100 Hz".
std::string JoinedRows(const std::vector<std::string>& rows);

}  // namespace vexmora
