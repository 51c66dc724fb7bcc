#pragma once
// The Win32 main window: it owns the controls, shows what FrmMain tells it to, and
// forwards every event to FrmMain.

#include <windows.h>

#include <map>
#include <set>
#include <string>

#include "about_window.h"
#include "grid/frm_main.h"
#include "platform/window_api.h"

namespace vexmora::window {

// The font of every label, button and the switch at this vertical DPI.
HFONT CreateLabelFont(int dpiY);

class MainWindow : public MainWindowApi {
public:
    explicit MainWindow(HINSTANCE instance);
    ~MainWindow() override;

    // Creates the window and its controls, hidden, forwarding events to form.
    bool Create(FrmMain& form);
    void Show(int how);
    // Runs until the program ends; answers the exit code.
    int RunMessageLoop();
    HWND Handle() const { return hwnd_; }

    // MainWindowApi
    void SetCaption(LabelId label, int row, const std::string& text) override;
    int SpinPosition(int row) override;
    void SetSpinPosition(int row, int position) override;
    void EnableSpin(int row, bool enabled) override;
    void ShowAbout() override;
    void EndProgram() override;

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void CreateControls();
    void CreateBackdrop();
    void OnCommand(int id, HWND control);
    void OnPaint();
    HBRUSH OnColorStatic(HDC dc, HWND label);
    int Pixels(int twips, bool vertical) const;
    HWND Spin(int row) const;

    HINSTANCE instance_;
    HWND hwnd_ = nullptr;
    FrmMain* form_ = nullptr;
    HFONT font_ = nullptr;
    HBITMAP picture_ = nullptr;
    HBRUSH pictureBrush_ = nullptr;
    HBITMAP backdrop_ = nullptr;
    HBRUSH backdropBrush_ = nullptr;
    std::set<HWND> labels_;
    std::set<HWND> overLabels_;
    int dpiX_ = 96;
    int dpiY_ = 96;
    RECT line_ = {};
    std::map<std::string, HWND> controls_;
    std::map<int, HWND> rateLabels_;
    std::map<int, HWND> spins_;
    AboutWindow about_;
};

}  // namespace vexmora::window
