// Vexmora: sets the refresh rate an NVIDIA Detonator driver offers for each resolution.

#include <windows.h>

#include <commctrl.h>

#include "app/frm_main.h"
#include "main_window.h"
#include "win32_platform.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*command*/, int show) {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&controls);

    vexmora::win32::Registry registry;
    vexmora::win32::System system;
    vexmora::win32::DisplayModes display;
    vexmora::win32::Dialogs dialogs;
    vexmora::win32::Help help;

    vexmora::window::MainWindow window(instance);
    vexmora::FrmMain form({registry, system, display, dialogs, help}, window);
    if (!window.Create(form)) {
        dialogs.Show("Vexmora could not create its window.", vexmora::kTitle,
                     vexmora::kMbIconError);
        return 1;
    }
    // cppcheck-suppress unreadVariable ; Dialogs::Show gives every box this owner
    dialogs.owner = window.Handle();

    // A machine that does not fit has been told so; the window is never shown.
    if (!form.Form_Load()) return 0;
    window.Show(show);
    return window.RunMessageLoop();
}
