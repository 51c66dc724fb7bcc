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
    RECT frame = {0, 0, MulDiv(kMainClient.width, dpiX, 1440),
                  MulDiv(kMainClient.height, dpiY, 1440)};
    AdjustWindowRectEx(&frame, window::kStyle, TRUE, 0);
    HWND hwnd = CreateWindowExA(0, window::kClassName, kMainCaption, window::kStyle, CW_USEDEFAULT,
                                CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top,
                                nullptr, window::BuildMenu(), instance, nullptr);
    const auto font = reinterpret_cast<WPARAM>(window::CreateLabelFont(dpiY));
    for (const ControlSpec& c : MainLayout()) {
        const window::ControlClass cls = window::ClassOf(c);
        HWND control = CreateWindowExA(
            0, cls.name, c.text.c_str(), WS_CHILD | WS_VISIBLE | cls.style,
            MulDiv(c.left, dpiX, 1440), MulDiv(c.top, dpiY, 1440),
            std::max(1, MulDiv(c.width, dpiX, 1440)), MulDiv(c.height, dpiY, 1440), hwnd,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), instance, nullptr);
        SendMessageA(control, WM_SETFONT, font, FALSE);
    }
    ShowWindow(hwnd, show);
    UpdateWindow(hwnd);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
    return 0;
}
