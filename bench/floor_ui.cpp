// The UI floor of the start-up benchmark: vexmora.exe's window with nothing behind it. The
// same frame, menu, font, manifest and icon, and the layout's 74 controls of the same
// classes and styles at the same places; system-default painting, no logic, no registry.
#include <windows.h>

#include <commctrl.h>

#include "controls.h"

using namespace vexmora;

namespace {

LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*command*/, int show) {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&controls);
    HDC screen = GetDC(nullptr);
    const int dpiX = GetDeviceCaps(screen, LOGPIXELSX), dpiY = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    WNDCLASSA wc = {};
    wc.lpfnWndProc = Proc;
    wc.hInstance = instance;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = window::kClassName;
    RegisterClassA(&wc);
    RECT frame = {0, 0, window::TwipsToPixels(kMainClient.width, dpiX),
                  window::TwipsToPixels(kMainClient.height, dpiY)};
    AdjustWindowRectEx(&frame, window::kStyle, TRUE, 0);
    HWND hwnd = CreateWindowExA(0, window::kClassName, kMainCaption, window::kStyle, CW_USEDEFAULT,
                                CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top,
                                nullptr, window::BuildMenu(), instance, nullptr);
    window::CreateLayoutControls(hwnd, instance, window::CreateLabelFont(dpiY), dpiX, dpiY);
    ShowWindow(hwnd, show);
    UpdateWindow(hwnd);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
    return 0;
}
