#pragma once
// The two actions that write the adapter's Modes_Delta value: Apply writes what the
// grid shows, Set Defaults the driver's factory string. Each asks first and reports
// its outcome in a message box.

#include <string>

#include "grid/rows.h"
#include "platform/dialogs_api.h"
#include "platform/registry_api.h"

namespace vexmora {

// The program's own texts, typos included: users and the help quote them as they stand.
inline constexpr char kAskApply[] = "Are you sure you want to apply these values to the registry?";
inline constexpr char kApplied[] =
    "Values added succesfully, please remember to REBOOT your PC to apply the changes";
inline constexpr char kAskReset[] =
    "AAre you sure you wish to set the Nvidia driver default values?";
inline constexpr char kResetDone[] = "Default values reset successfully";
inline constexpr char kWriteError[] = "Error writing to the registry";

// Where the adapter's Modes_Delta value lives and what the driver ships in it.
struct DeltaTarget {
    std::string driverKey;
    std::string valueName;
    std::string factoryDelta;
};

// What a write action came to: the user said No, the string was written (and which), or
// the error box was shown.
struct WriteOutcome {
    enum Kind { Declined, Written, Failed } kind;
    std::string written;
};

// Composes the Modes_Delta string from the rate captions and writes it.
WriteOutcome ApplySettings(const RateLabels& labels, const DeltaTarget& target, RegistryApi& reg,
                           DialogsApi& dialogs);

// Writes the factory string back; on Failed the caller stops without refreshing the grid.
WriteOutcome SetDefaults(const DeltaTarget& target, RegistryApi& reg, DialogsApi& dialogs);

}  // namespace vexmora
