#pragma once
// What both floors of the start-up benchmark share with each other: a window procedure that
// only ends the program with its window, and the window shown and its messages run.
#include <windows.h>

namespace vexmora::bench {

inline LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

inline int ShowAndRun(HWND hwnd, int show) {
    ShowWindow(hwnd, show);
    UpdateWindow(hwnd);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
    return 0;
}

}  // namespace vexmora::bench
