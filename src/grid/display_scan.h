#pragma once
// Fills the rate labels with the refresh rate Windows offers for each resolution.

#include "grid/rows.h"
#include "platform/display_api.h"

namespace vexmora {

// Walks every mode Windows enumerates; a matching mode writes its frequency into its
// row's label (the last match wins), then every label still empty becomes "N/A".
// Labels no mode matches keep their text.
void FillRatesFromModes(DisplayModesApi& display, RateLabels& labels);

}  // namespace vexmora
