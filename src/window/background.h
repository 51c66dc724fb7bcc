#pragma once
// The main window's background picture, made at start rather than shipped.

#include <windows.h>

#include "grid/colours.h"

namespace vexmora::window {

// The picture is drawn unscaled from the client area's top-left corner at every DPI;
// beyond it the window shows kBackColour.
constexpr int kPictureWidth = 640;
constexpr int kPictureHeight = 480;

// Draws the picture at the top-left corner of dc: a vertical gradient from grey at the top
// to the window's dark blue at the bottom.
void DrawBackgroundPicture(HDC dc);

}  // namespace vexmora::window
