#include "delta/actions.h"

#include <array>
#include <stdexcept>

#include "delta/modes_delta.h"
#include "registry/settings.h"

namespace vexmora {

namespace {

struct WriteRefused : std::runtime_error {
    WriteRefused() : std::runtime_error("registry write refused") {}
};

bool Confirmed(DialogsApi& dialogs, const std::string& question) {
    return dialogs.Show(question, kTitle, kMbYesNo) == kIdYes;
}

void Write(RegistryApi& reg, const DeltaTarget& target, const std::string& data) {
    // Without a value name the write would land on the key's unnamed value.
    if (target.valueName.empty() ||
        !SaveSettingString(reg, kHKeyLocalMachine, target.driverKey, target.valueName, data)) {
        throw WriteRefused();
    }
}

void ReportWriteError(DialogsApi& dialogs) {
    dialogs.Show(kWriteError, kTitle, kMbIconError);
}

}  // namespace

std::string ApplySettings(const RateLabels& labels, const DeltaTarget& target, RegistryApi& reg,
                          DialogsApi& dialogs) {
    if (!Confirmed(dialogs, kAskApply)) return {};
    try {
        const std::string tail = FactoryTail(target.factoryDelta);
        std::array<std::string, kRowCount> tokens;
        for (std::size_t i = 0; i < labels.size(); ++i) tokens[i] = CalcRates(labels[i]);
        const std::string strNewDelta = ComposeModesDelta(tokens, tail);
        Write(reg, target, strNewDelta);
        dialogs.Show(kApplied, kTitle, kMbOk);
        return strNewDelta;
    } catch (const std::exception&) {
        ReportWriteError(dialogs);
        return {};
    }
}

ResetOutcome SetDefaults(const DeltaTarget& target, RegistryApi& reg, DialogsApi& dialogs) {
    if (!Confirmed(dialogs, kAskReset)) return ResetOutcome::Declined;
    try {
        Write(reg, target, target.factoryDelta);
        dialogs.Show(kResetDone, kTitle, kMbOk);
        return ResetOutcome::Written;
    } catch (const std::exception&) {
        ReportWriteError(dialogs);
        return ResetOutcome::Failed;
    }
}

}  // namespace vexmora
