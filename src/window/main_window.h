#pragma once
// The Win32 main window: it owns the controls, shows what FrmMain tells it to, and
// forwards every event to FrmMain.

#include <windows.h>

#include "about_window.h"
#include "app/frm_main.h"
#include "base_window.h"
#include "platform/window_api.h"
#include "see_through.h"

namespace vexmora::window {

class MainWindow : public BaseWindow<MainWindow>, public MainWindowApi {
public:
    explicit MainWindow(HINSTANCE instance) : instance_(instance), about_(instance) {}
    ~MainWindow() override;

    // Creates the window and its controls, hidden, forwarding events to form; false when
    // Windows refused the window or any of its controls.
    bool Create(FrmMain& form);
    void Show(int how);
    // Runs until the program ends; answers the exit code.
    int RunMessageLoop();
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // MainWindowApi
    void SetCaption(LabelId label, int row, const std::string& text) override;
    int SpinPosition(int row) override;
    void SetSpinPosition(int row, int position) override;
    void EnableSpin(int row, bool enabled) override;
    bool ShowAbout() override;
    void EndProgram() override;

private:
    bool CreateControls();
    void DestroyWindows();
    bool ForwardKey(const MSG& msg);
    static LRESULT OnMenuChar(char key, HMENU menu);
    void OnCommand(int id);
    void OnActivate(bool active);

    HINSTANCE instance_;
    FrmMain* form_ = nullptr;
    HFONT font_ = nullptr;
    SIZE dpi_ = {96, 96};
    // The control that had the focus when another window took it, to get it back.
    HWND lastFocus_ = nullptr;
    SeeThroughLabels labels_;
    AboutWindow about_;
};

}  // namespace vexmora::window
