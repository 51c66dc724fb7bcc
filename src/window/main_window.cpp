#include "main_window.h"

#include <commctrl.h>

#include "controls.h"
#include "grid/layout.h"

namespace vexmora::window {

// The windows go first: while they exist, Windows may still send them messages that draw
// with the font and the labels' brushes.
MainWindow::~MainWindow() {
    DestroyWindows();
    if (font_) DeleteObject(font_);
}

bool MainWindow::Create(FrmMain& form) {
    form_ = &form;
    dpi_ = ScreenDpi();
    font_ = CreateLabelFont(dpi_.cy);
    const SIZE client = {TwipsToPixels(kMainClient.width, dpi_.cx),
                         TwipsToPixels(kMainClient.height, dpi_.cy)};
    return BaseWindow::Create(
               instance_, {kClassName, nullptr, kMainCaption, kStyle, 0, client, BuildMenu()}) &&
           CreateControls();
}

bool MainWindow::CreateControls() {
    const std::vector<MadeControl> made =
        CreateLayoutControls(hwnd_, instance_, font_, dpi_.cx, dpi_.cy);
    if (made.empty()) return false;  // a window with a hole in it is of no use
    std::vector<SeeThroughLabels::Label> labels;
    for (const MadeControl& m : made) {
        if (m.entry->kind != ControlKind::Label) continue;
        labels.push_back({m.hwnd, m.place, m.entry->text, LabelFormat(m.entry->align)});
    }
    labels_.Create(hwnd_, font_, labels);
    return true;
}

void MainWindow::Show(int how) {
    ShowWindow(hwnd_, how);
    // The window has one size: a shortcut set to run it maximized (which Windows may apply
    // whatever the command given here) still gets the window as it was laid out.
    if (IsZoomed(hwnd_)) ShowWindow(hwnd_, SW_RESTORE);
    UpdateWindow(hwnd_);
    // The focus goes to the first control in the focus order that can take it.
    HWND first = GetNextDlgTabItem(hwnd_, nullptr, FALSE);
    if (first != nullptr) SetFocus(first);
}

int MainWindow::RunMessageLoop() {
    MSG msg;
    BOOL got = FALSE;
    while ((got = GetMessageA(&msg, nullptr, 0, 0)) > 0) {
        if (ForwardKey(msg)) continue;
        HWND about = about_.Handle();
        if (about != nullptr && IsDialogMessageA(about, &msg)) continue;
        if (hwnd_ != nullptr && IsDialogMessageA(hwnd_, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    // -1 is GetMessageA failing, which leaves msg unset: the program ends with an error.
    return got == 0 ? static_cast<int>(msg.wParam) : 1;
}

void MainWindow::SetCaption(LabelId label, int row, const std::string& text) {
    int id = 0;
    switch (label) {
        case LabelId::Adapters: id = IDC_LBLADAPTERS; break;
        case LabelId::Os: id = IDC_LBLOS; break;
        case LabelId::DetVersion: id = IDC_LBLDETVERSION; break;
        case LabelId::Rate: id = RateLabelId(row); break;
    }
    SetDlgItemTextA(hwnd_, id, text.c_str());
}

int MainWindow::SpinPosition(int row) {
    return static_cast<int>(SendDlgItemMessageA(hwnd_, UpDownId(row), UDM_GETPOS32, 0, 0));
}

void MainWindow::SetSpinPosition(int row, int position) {
    SendDlgItemMessageA(hwnd_, UpDownId(row), UDM_SETPOS32, 0, position);
}

void MainWindow::EnableSpin(int row, bool enabled) {
    EnableWindow(GetDlgItem(hwnd_, UpDownId(row)), enabled);
}

bool MainWindow::ShowAbout() {
    return about_.Show();
}

void MainWindow::EndProgram() {
    DestroyWindows();
}

// The last window to go ends the message loop.
void MainWindow::DestroyWindows() {
    about_.Destroy();
    Destroy();
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND: OnCommand(LOWORD(wParam)); return 0;
        case WM_VSCROLL:
        case WM_HSCROLL: {
            // An up-down reports each click or key with SB_THUMBPOSITION, also at the ends
            // of its range, where the position stays.
            const int row = SpinRow(GetDlgCtrlID(reinterpret_cast<HWND>(lParam)));
            if (LOWORD(wParam) == SB_THUMBPOSITION && row != 0) form_->StepRate(row);
            return 0;
        }
        case WM_CTLCOLORSTATIC: {
            // Check boxes ask too; the switch keeps the system's colours.
            auto* const control = reinterpret_cast<HWND>(lParam);
            if (!labels_.Has(control)) break;
            return reinterpret_cast<LRESULT>(
                labels_.ColorStatic(reinterpret_cast<HDC>(wParam), control));
        }
        case WM_ACTIVATE: OnActivate(LOWORD(wParam) != WA_INACTIVE); return 0;
        case WM_DESTROY: about_.StandAlone(); break;
        case WM_MENUCHAR:
            if (HIWORD(wParam) & MF_SYSMENU) break;
            return OnMenuChar(static_cast<char>(LOWORD(wParam)), reinterpret_cast<HMENU>(lParam));
        case WM_ERASEBKGND: return 1;
        // A themed control (comctl32 6) draws its transparent parts over what its parent
        // prints here: DrawThemeParentBackground moves the DC's origin to the control.
        case WM_PRINTCLIENT: labels_.Paint(reinterpret_cast<HDC>(wParam)); return 0;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            labels_.Paint(BeginPaint(hwnd_, &ps));
            EndPaint(hwnd_, &ps);
            return 0;
        }
        default: break;
    }
    return DefWindowProcA(hwnd_, message, wParam, lParam);
}

void MainWindow::OnCommand(int id) {
    switch (id) {
        case IDC_CMDAPPLY: form_->cmdApply_Click(); break;
        case IDC_CMDRESET: form_->cmdReset_Click(); break;
        case IDC_CHECK1: form_->Check1_Click(); break;
        case IDM_EXIT: form_->mnuExit_Click(); break;
        case IDM_TOPICS: form_->mnuTopics_Click(); break;
        case IDM_ABOUT: form_->mnuAbout_Click(); break;
        default: break;
    }
}

}  // namespace vexmora::window
