#pragma once
// The main window's 640 x 480 background picture, made at start rather than shipped.

#include <windows.h>

namespace vexmora::window {

constexpr COLORREF kBackColour = RGB(1, 0, 66);

// A vertical gradient from grey at the top to the window's dark blue at the bottom.
HBITMAP CreateBackgroundPicture();

}  // namespace vexmora::window
