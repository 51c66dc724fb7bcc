// Vexmora: sets the refresh rate an NVIDIA Detonator driver offers for each resolution.

#include <windows.h>

#include <commctrl.h>

#include "app/frm_main.h"
#include "platform/messages.h"
#include "main_window.h"
#include "win32_platform.h"

// The parameter names are ours, not the SDK's.
// NOLINTNEXTLINE(readability-inconsistent-declaration-parameter-name)
int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*command*/, int show) {
    vexmora::win32::Registry registry;
    vexmora::win32::System system;
    vexmora::win32::DisplayModes display;
    vexmora::win32::Dialogs dialogs;
    vexmora::win32::Help help;

    // Without the spin controls' class the window cannot be made whole.
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_UPDOWN_CLASS};
    vexmora::window::MainWindow window(instance);
    vexmora::FrmMain form({registry, system, display, dialogs, help}, window);
    if (!InitCommonControlsEx(&controls) || !window.Create(form)) {
        dialogs.Show(vexmora::kCannotCreate);
        return 1;
    }
    // A machine that does not fit has been told so; the window is never shown. That box has
    // no owner, so it gets a button on the taskbar and is not lost behind a hidden window.
    int exitCode = 0;
    if (form.Form_Load()) {
        // cppcheck-suppress unreadVariable ; Dialogs::Show gives every later box this owner
        dialogs.owner = window.Handle();
        window.Show(show);
        exitCode = window.RunMessageLoop();
    }
    // Whatever windows are left go while the form they forward to is still there.
    window.EndProgram();
    return exitCode;
}
