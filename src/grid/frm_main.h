#pragma once
// The main window's state and its events. The Win32 window owns the controls and
// forwards each event here; everything the program decides is decided here.

#include <cstdint>
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
    FrmMain(Platform platform, MainWindowApi& window);

    // Runs before the window is first shown. False: the machine does not fit, the user
    // has been told, and the program ends without showing the window.
    bool Form_Load();

    // A user step of row's spin control (row 1 to 20).
    void StepRate(int row);
    void Check1_Click();
    void cmdApply_Click();
    void cmdReset_Click();
    void mnuExit_Click();
    void mnuTopics_Click();
    void mnuAbout_Click();

    // Sets strFactoryDelta for a known adapter and answers its value name, else empty.
    std::string FindAdapterProfile(const std::string& description);

    const std::string& RateCaption(int row) const { return labels_[row - 1]; }
    const std::string& lblOS() const { return lblOS_; }
    const std::string& lblDetVersion() const { return lblDetVersion_; }
    const std::string& lblAdapters() const { return lblAdapters_; }
    const std::string& strDriverKey() const { return strDriverKey_; }
    const std::string& strModesValue() const { return strModesValue_; }
    const std::string& strFactoryDelta() const { return strFactoryDelta_; }
    const std::string& strNewDelta() const { return strNewDelta_; }
    bool blnCustomize() const { return blnCustomize_; }

private:
    void CheckDisplayModes();
    void SyncRateControls();
    void SyncRatePositions();
    void SetRateCaption(std::size_t index, const std::string& text);
    void SetInfoCaption(LabelId label, std::string& field, const std::string& text);

    Platform platform_;
    MainWindowApi& window_;

    RateLabels labels_;
    std::string lblOS_;
    std::string lblDetVersion_;
    std::string lblAdapters_;
    std::string strDriverKey_;
    std::string strModesValue_;
    std::string strFactoryDelta_;
    std::string strNewDelta_;
    bool blnCustomize_ = false;
};

}  // namespace vexmora
