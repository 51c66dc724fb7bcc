#include "frame.h"

#include "resource.h"

namespace vexmora::window {

int TwipsToPixels(int twips, int dpi) {
    return MulDiv(twips, dpi, 1440);
}

SIZE ScreenDpi() {
    HDC screen = GetDC(nullptr);
    const SIZE dpi = {GetDeviceCaps(screen, LOGPIXELSX), GetDeviceCaps(screen, LOGPIXELSY)};
    ReleaseDC(nullptr, screen);
    return dpi;
}

HWND CreateFrame(HINSTANCE instance, const Frame& frame, WNDPROC proc, void* param) {
    WNDCLASSA wc = {};
    if (!GetClassInfoA(instance, frame.className, &wc)) {
        wc.lpfnWndProc = proc;
        wc.hInstance = instance;
        wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_VEXMORA));
        wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
        wc.hbrBackground = frame.background;
        wc.lpszClassName = frame.className;
        if (!RegisterClassA(&wc)) return nullptr;
    }
    RECT outer = {0, 0, frame.client.cx, frame.client.cy};
    AdjustWindowRectEx(&outer, frame.style, frame.menu != nullptr, frame.exStyle);
    HWND hwnd = CreateWindowExA(frame.exStyle, frame.className, frame.caption, frame.style,
                                CW_USEDEFAULT, CW_USEDEFAULT, outer.right - outer.left,
                                outer.bottom - outer.top, nullptr, frame.menu, instance, param);
    // A menu bar that wrapped took client height: the frame grows by what is missing.
    RECT inside = {};
    if (hwnd == nullptr || !GetClientRect(hwnd, &inside) || inside.bottom >= frame.client.cy)
        return hwnd;
    GetWindowRect(hwnd, &outer);
    SetWindowPos(hwnd, nullptr, 0, 0, outer.right - outer.left,
                 outer.bottom - outer.top + frame.client.cy - inside.bottom,
                 SWP_NOMOVE | SWP_NOZORDER);
    return hwnd;
}

}  // namespace vexmora::window
