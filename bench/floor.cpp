// The floor of the start-up benchmark: a bare window built like vexmora.exe, with the same
// compiler, flags and runtime, and nothing else.
#include "floor.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*command*/, int show) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = vexmora::bench::Proc;
    wc.hInstance = instance;
    wc.lpszClassName = "Floor";
    RegisterClassA(&wc);
    HWND hwnd = CreateWindowExA(0, "Floor", "Floor", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                CW_USEDEFAULT, 329, 290, nullptr, nullptr, instance, nullptr);
    return vexmora::bench::ShowAndRun(hwnd, show);
}
