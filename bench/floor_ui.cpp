// The UI floor of the start-up benchmark: vexmora.exe's window with nothing behind it. The
// same frame (made by the same code), menu, font, manifest and icon, and the layout's 74
// controls of the same classes and styles at the same places; system-default painting, the
// bare floor's window procedure, no logic, no registry.
#include <windows.h>

#include <commctrl.h>

#include "controls.h"
#include "floor.h"

using namespace vexmora;

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*command*/, int show) {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&controls);
    const SIZE dpi = window::ScreenDpi();
    const SIZE client = {window::TwipsToPixels(kMainClient.width, dpi.cx),
                         window::TwipsToPixels(kMainClient.height, dpi.cy)};
    HWND hwnd =
        window::CreateFrame(instance,
                            {window::kClassName, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1),
                             kMainCaption, window::kStyle, 0, client, window::BuildMenu()},
                            bench::Proc, nullptr);
    window::CreateLayoutControls(hwnd, instance, window::CreateLabelFont(dpi.cy), dpi.cx, dpi.cy);
    return bench::ShowAndRun(hwnd, show);
}
