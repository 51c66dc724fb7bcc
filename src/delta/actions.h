#pragma once
// The two actions that write the adapter's Modes_Delta value: Apply writes what the
// grid shows, Set Defaults the driver's factory string. Each asks first and reports
// its outcome in a message box.

#include <string>

#include "grid/rows.h"
#include "platform/dialogs_api.h"
#include "platform/registry_api.h"

namespace vexmora {

// Where the adapter's Modes_Delta value lives and what the driver ships in it.
struct DeltaTarget {
    std::string driverKey;
    std::string valueName;
    std::string factoryDelta;
};

// What a write action came to: the user said No, the string was written, or the error box
// was shown.
enum class WriteOutcome { Declined, Written, Failed };

// Composes the Modes_Delta string from the rate captions and writes it.
WriteOutcome ApplySettings(const RateLabels& labels, const DeltaTarget& target, RegistryApi& reg,
                           DialogsApi& dialogs);

// Writes the factory string back; on Failed the caller stops without refreshing the grid.
WriteOutcome SetDefaults(const DeltaTarget& target, RegistryApi& reg, DialogsApi& dialogs);

}  // namespace vexmora
