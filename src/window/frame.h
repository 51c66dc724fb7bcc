#pragma once
// A top-level window of the program, sized in twips for the screen's DPI: the main window,
// the About box and the benchmark's UI floor are all made here.

#include <windows.h>

namespace vexmora::window {

// Twips, the layout's unit (1/1440 inch), in pixels at dpi.
int TwipsToPixels(int twips, int dpi);

// The screen's DPI, across (cx) and down (cy).
SIZE ScreenDpi();

// A top-level window of the program: its class, look and client size in pixels.
struct Frame {
    const char* className;
    HBRUSH background;
    const char* caption;
    DWORD style, exStyle;
    SIZE client;
    HMENU menu;
};

// Registers the frame's class once (the program's icon, the arrow cursor, proc) and makes
// the window, hidden, with its client area at the frame's size however the menu bar wraps;
// param reaches WM_NCCREATE. Null when Windows refused.
HWND CreateFrame(HINSTANCE instance, const Frame& frame, WNDPROC proc, void* param);

}  // namespace vexmora::window
