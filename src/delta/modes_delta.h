#pragma once
// The Modes_Delta string the driver reads at boot: "S ", one entry per resolution row
// with the rate token its label gives, then the driver's factory entries.

#include <array>
#include <string>

#include "grid/rows.h"

namespace vexmora {

// The rate token written for a rate label's caption; empty for anything off the ladder.
std::string CalcRates(const std::string& initrate);

// The twenty entries, row 1 first, followed by the factory string without its first two
// characters, whatever they are; empty when the factory string is shorter, as for an adapter
// the catalogue lacks.
std::string BuildModesDelta(const std::array<std::string, kRowCount>& tokens,
                            const std::string& factoryDelta);

}  // namespace vexmora
