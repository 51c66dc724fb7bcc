#include "delta/actions.h"

#include <array>

#include "delta/modes_delta.h"
#include "platform/messages.h"
#include "registry/settings.h"

namespace vexmora {

namespace {

bool Confirmed(DialogsApi& dialogs, const Message& question) {
    return dialogs.Show(question) == kIdYes;
}

// Without a value name the write would land on the key's unnamed value.
bool Write(RegistryApi& reg, const DeltaTarget& target, const std::string& data) {
    return !target.valueName.empty() &&
           SaveSettingString(reg, kHKeyLocalMachine, target.driverKey, target.valueName, data);
}

// The one error path of both actions: the message, and the action ends.
void ReportWriteError(DialogsApi& dialogs) {
    dialogs.Show(kWriteError);
}

}  // namespace

WriteOutcome ApplySettings(const RateLabels& labels, const DeltaTarget& target, RegistryApi& reg,
                           DialogsApi& dialogs) {
    if (!Confirmed(dialogs, kAskApply)) return WriteOutcome::Declined;
    std::array<std::string, kRowCount> tokens;
    for (std::size_t i = 0; i < labels.size(); ++i) tokens[i] = CalcRates(labels[i]);
    // An adapter the catalogue lacks has no factory string: nothing is composed.
    const std::string strNewDelta = BuildModesDelta(tokens, target.factoryDelta);
    if (strNewDelta.empty() || !Write(reg, target, strNewDelta)) {
        ReportWriteError(dialogs);
        return WriteOutcome::Failed;
    }
    dialogs.Show(kApplied);
    return WriteOutcome::Written;
}

WriteOutcome SetDefaults(const DeltaTarget& target, RegistryApi& reg, DialogsApi& dialogs) {
    if (!Confirmed(dialogs, kAskReset)) return WriteOutcome::Declined;
    if (!Write(reg, target, target.factoryDelta)) {
        ReportWriteError(dialogs);
        return WriteOutcome::Failed;
    }
    dialogs.Show(kResetDone);
    return WriteOutcome::Written;
}

}  // namespace vexmora
