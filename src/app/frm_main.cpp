#include "app/frm_main.h"

#include "catalogue/adapters.h"
#include "delta/actions.h"
#include "detect/edid.h"
#include "detect/monitor.h"
#include "detect/startup.h"
#include "grid/beyond_monitor.h"
#include "grid/display_scan.h"
#include "help/help.h"
#include "platform/messages.h"
#include "platform/text.h"

namespace vexmora {

FrmMain::FrmMain(const Platform& platform, MainWindowApi& window)
    : platform_(platform), window_(window) {}

bool FrmMain::Form_Load() {
    for (int row = 1; row <= kRowCount; ++row) positions_[row - 1] = window_.SpinPosition(row);
    CheckDisplayModes();
    const StartupInfo info = RunStartupChecks(platform_.registry, platform_.system);
    SetInfoCaption(LabelId::Os, info.lblOS);
    SetInfoCaption(LabelId::DetVersion, info.lblDetVersion);
    SetInfoCaption(LabelId::Adapters, info.lblAdapters);
    strDriverKey_ = info.strDriverKey;
    if (info.failure != StartupFailure::None) {
        platform_.dialogs.Show(StartupMessage(info.failure));
        return false;
    }
    FindAdapterProfile(info.lblAdapters);
    return true;
}

void FrmMain::FindAdapterProfile(const std::string& description) {
    if (const AdapterProfile* profile = FindAdapter(description)) {
        strModesValue_ = profile->valueName;
        strFactoryDelta_ = profile->factoryDelta;
    }
}

void FrmMain::StepRate(int row) {
    if (row < 1 || row > kRowCount) return;
    // An arrow at the end of the range reports the position it already had.
    const int position = window_.SpinPosition(row);
    if (position == positions_[row - 1]) return;
    positions_[row - 1] = position;
    if (const auto rate = LadderRate(position)) SetRateCaption(row - 1, *rate);
}

void FrmMain::Check1_Click() {
    blnCustomize_ = !blnCustomize_;
    if (blnCustomize_) {
        SyncRateControls();
        return;
    }
    for (int row = 1; row <= kRowCount; ++row) window_.EnableSpin(row, false);
    CheckDisplayModes();
}

void FrmMain::SyncRateControls() {
    SyncRatePositions();
    for (int row = 1; row <= kRowCount; ++row) {
        if (labels_[row - 1] == kNotAvailable) window_.EnableSpin(row, false);
    }
    for (int row = 1; row <= kRowCount; ++row) {
        if (labels_[row - 1] != kNotAvailable) window_.EnableSpin(row, true);
    }
}

void FrmMain::SyncRatePositions() {
    for (int row = 1; row <= kRowCount; ++row) {
        if (const auto position = LadderPosition(labels_[row - 1])) {
            window_.SetSpinPosition(row, *position);
            positions_[row - 1] = *position;
        }
    }
}

void FrmMain::cmdApply_Click() {
    if (!AcceptBeyondMonitor()) return;
    const DeltaTarget target{strDriverKey_, strModesValue_, strFactoryDelta_};
    ApplySettings(labels_, target, platform_.registry, platform_.dialogs);
}

// Looked up at each click: the monitor may have changed since the program started.
bool FrmMain::AcceptBeyondMonitor() {
    const auto range =
        ParseEdid(ReadMonitorEdid(platform_.registry, FindMonitorDeviceId(platform_.display)));
    if (!range) return true;
    const std::vector<std::string> beyond = RatesBeyond(*range, labels_, offered_);
    return beyond.empty() || platform_.dialogs.Show(kBeyondMonitor, JoinedRows(beyond)) == kIdYes;
}

void FrmMain::cmdReset_Click() {
    const DeltaTarget target{strDriverKey_, strModesValue_, strFactoryDelta_};
    if (SetDefaults(target, platform_.registry, platform_.dialogs) != WriteOutcome::Failed) {
        CheckDisplayModes();
    }
}

void FrmMain::mnuExit_Click() {
    window_.EndProgram();
}

void FrmMain::mnuTopics_Click() {
    OpenHelpTopics(platform_.help, platform_.dialogs);
}

void FrmMain::mnuAbout_Click() {
    if (!window_.ShowAbout()) platform_.dialogs.Show(kAboutFailed);
}

void FrmMain::CheckDisplayModes() {
    RateLabels scanned = labels_;
    FillRatesFromModes(platform_.display, scanned);
    offered_ = scanned;
    for (std::size_t i = 0; i < scanned.size(); ++i) SetRateCaption(i, scanned[i]);
}

void FrmMain::SetRateCaption(std::size_t index, const std::string& text) {
    if (labels_[index] == text) return;
    labels_[index] = text;
    window_.SetCaption(LabelId::Rate, static_cast<int>(index) + 1, text);
}

void FrmMain::SetInfoCaption(LabelId label, const std::string& text) {
    if (!text.empty()) window_.SetCaption(label, 0, text);
}

}  // namespace vexmora
