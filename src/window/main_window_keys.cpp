// What the keys do in the main window, with no dialog manager of its own to decide: the
// menus by their first letters, Enter on the buttons, the arrows on the spins, and the focus
// back where it was after another window had it.
#include "main_window.h"

#include <algorithm>
#include <cctype>

#include "grid/control_ids.h"

namespace vexmora::window {

// The menu captions carry no access-key marker: Alt and a caption's first letter open
// that menu, and a letter in an open menu chooses the item it begins.
LRESULT MainWindow::OnMenuChar(char key, HMENU menu) {
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        char text[32] = {};
        GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
        if (std::toupper(static_cast<unsigned char>(text[0])) ==
            std::toupper(static_cast<unsigned char>(key))) {
            return MAKELRESULT(i, MNC_EXECUTE);
        }
    }
    return MAKELRESULT(0, MNC_IGNORE);
}

// Keys the dialog manager would take for itself go to the focused control instead: Enter
// presses a push button however the focus got there, and an arrow steps a spin control
// as a click on that arrow would: one press, one report, also at the end of the range.
// (Wine's up-down repeats a key on a timer of its own until the key comes up.)
bool MainWindow::ForwardKey(const MSG& msg) {
    if (msg.message != WM_KEYDOWN || hwnd_ == nullptr || GetParent(msg.hwnd) != hwnd_) {
        return false;
    }
    const int id = GetDlgCtrlID(msg.hwnd);
    if (msg.wParam == VK_RETURN && (id == IDC_CMDAPPLY || id == IDC_CMDRESET)) {
        SendMessageA(msg.hwnd, BM_CLICK, 0, 0);
        return true;
    }
    const int row = SpinRow(id);
    if ((msg.wParam == VK_UP || msg.wParam == VK_DOWN) && row != 0) {
        const int step = msg.wParam == VK_UP ? 1 : -1;
        SetSpinPosition(row, std::clamp(SpinPosition(row) + step, 1, kLadderSize));
        form_->StepRate(row);
        return true;
    }
    return false;
}

// Another window (a message box, the About box) takes the focus away; when this one is
// active again, the control that had it gets it back, as in a dialog.
void MainWindow::OnActivate(bool active) {
    if (!active) {
        HWND focus = GetFocus();
        if (focus != nullptr && IsChild(hwnd_, focus)) lastFocus_ = focus;
        return;
    }
    HWND focus = lastFocus_;
    if (focus == nullptr || !IsWindow(focus) || !IsWindowEnabled(focus)) {
        focus = GetNextDlgTabItem(hwnd_, nullptr, FALSE);
    }
    SetFocus(focus != nullptr ? focus : hwnd_);
}

}  // namespace vexmora::window
