#pragma once
// The About box: a modeless tool window with two texts, one instance at a time.

#include <windows.h>

#include "base_window.h"

namespace vexmora::window {

class AboutWindow : public BaseWindow<AboutWindow> {
public:
    explicit AboutWindow(HINSTANCE instance) : instance_(instance) {}
    ~AboutWindow() { Destroy(); }
    // Loads the box on first use, otherwise brings the open one forward; false when it could
    // not be created.
    bool Show();
    // The main window went and the box stays: as the program's last window it takes a
    // taskbar button, and an Alt+Tab entry, and comes to the front. A tool window has
    // neither, and once covered the running program could not be found or ended.
    void StandAlone();
    // Esc closes the box as it closes a dialog: the message loop's IsDialogMessageA turns
    // it into IDCANCEL.
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) return DestroyWindow(hwnd_), 0;
        return DefWindowProcA(hwnd_, message, wParam, lParam);
    }

private:
    HINSTANCE instance_;
};

}  // namespace vexmora::window
