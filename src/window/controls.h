#pragma once
// The main window as Windows makes it: its class, frame, menu and font, and the window class
// and style of each kind of control in the layout.

#include <windows.h>

#include <vector>

#include "frame.h"
#include "grid/layout.h"
#include "grid/rows.h"

namespace vexmora::window {

constexpr char kClassName[] = "VexmoraMain";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;

struct ControlClass {
    const char* name;
    DWORD style;
};

// The window class and style that make a control of the layout.
ControlClass ClassOf(const ControlSpec& c);

// How a label lays out its text, for DrawTextA, as the STATIC control does.
UINT LabelFormat(Align align);

struct MadeControl {
    HWND hwnd;
    const ControlSpec* entry;  // its row of the layout
    RECT place;                // in the parent's client area
};

// Makes the layout's controls in parent at this DPI, each in font, in the layout's order:
// the focus order, and a later label lies over an earlier one. Empty when Windows refused
// any of them.
std::vector<MadeControl> CreateLayoutControls(HWND parent, HINSTANCE instance, HFONT font, int dpiX,
                                              int dpiY);

// File (Exit) and Help (Topics..., About...).
HMENU BuildMenu();

// The font of every label, button and the switch at this vertical DPI.
HFONT CreateLabelFont(int dpiY);

}  // namespace vexmora::window
