#pragma once
// The main window's state and its events. The Win32 window owns the controls and
// forwards each event here; everything the program decides is decided here.

#include <array>
#include <string>

#include "grid/rows.h"
#include "platform/dialogs_api.h"
#include "platform/display_api.h"
#include "platform/help_api.h"
#include "platform/registry_api.h"
#include "platform/system_api.h"
#include "platform/window_api.h"

namespace vexmora {

// The services of Windows the main window uses.
struct Platform {
    RegistryApi& registry;
    SystemApi& system;
    DisplayModesApi& display;
    DialogsApi& dialogs;
    HelpApi& help;
};

class FrmMain {
public:
    FrmMain(const Platform& platform, MainWindowApi& window);

    // Runs before the window is first shown. False: the machine does not fit, the user
    // has been told, and the program ends without showing the window.
    bool Form_Load();

    // Row's spin control (row 1 to 20) reported its position, after a click or a key.
    void StepRate(int row);
    void Check1_Click();
    void cmdApply_Click();
    void cmdReset_Click();
    void mnuExit_Click();
    void mnuTopics_Click();
    void mnuAbout_Click();

private:
    void FindAdapterProfile(const std::string& description);
    // Warns of rates beyond the monitor's reported range; false when the user says No.
    bool AcceptBeyondMonitor();
    void CheckDisplayModes();
    void SyncRateControls();
    void SyncRatePositions();
    void SetRateCaption(std::size_t index, const std::string& text);
    // The window keeps the information lines; a line the start-up did not reach stays as it is.
    void SetInfoCaption(LabelId label, const std::string& text);

    Platform platform_;
    MainWindowApi& window_;

    RateLabels labels_;
    // What the last display-mode scan found: the rates Windows offers.
    RateLabels offered_;
    // Where each spin control stood at its last report: a report without a move is no step.
    std::array<int, kRowCount> positions_{};
    std::string strDriverKey_;
    std::string strModesValue_;
    std::string strFactoryDelta_;
    bool blnCustomize_ = false;
};

}  // namespace vexmora
