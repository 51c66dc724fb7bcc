#include "about_window.h"

#include "about_texts.h"
#include "background.h"
#include "controls.h"
#include "platform/dialogs_api.h"

namespace vexmora::window {

bool AboutWindow::Show() {
    if (hwnd_ != nullptr) {
        ShowWindow(hwnd_, SW_SHOWNORMAL);
        SetForegroundWindow(hwnd_);
        return true;
    }
    const SIZE dpi = ScreenDpi();
    const SIZE client = {TwipsToPixels(kAboutClient.width, dpi.cx),
                         TwipsToPixels(kAboutClient.height, dpi.cy)};
    static HBRUSH background = CreateSolidBrush(kBackColour);
    if (!Create(instance_,
                {"VexmoraAbout", background, kTitle, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                 WS_EX_TOOLWINDOW, client, nullptr})) {
        return false;
    }
    const auto font = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
    for (const AboutLabel& c : kAboutLabels) {
        HWND label = CreateWindowExA(
            0, "STATIC", c.text, WS_CHILD | WS_VISIBLE | SS_CENTER | SS_NOPREFIX,
            TwipsToPixels(c.left, dpi.cx), TwipsToPixels(c.top, dpi.cy),
            TwipsToPixels(c.width, dpi.cx), TwipsToPixels(c.height, dpi.cy), hwnd_,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), instance_, nullptr);
        // A box with a text missing is no About box: it goes, and the caller says so.
        if (label == nullptr) {
            DestroyWindow(hwnd_);
            return false;
        }
        SendMessageA(label, WM_SETFONT, font, FALSE);
    }
    ShowWindow(hwnd_, SW_SHOWNORMAL);
    return true;
}

void AboutWindow::StandAlone() {
    if (hwnd_ == nullptr) return;
    // The taskbar reads the style when a window is shown.
    ShowWindow(hwnd_, SW_HIDE);
    SetWindowLongA(hwnd_, GWL_EXSTYLE, GetWindowLongA(hwnd_, GWL_EXSTYLE) | WS_EX_APPWINDOW);
    ShowWindow(hwnd_, SW_SHOW);
    SetForegroundWindow(hwnd_);
}

}  // namespace vexmora::window
