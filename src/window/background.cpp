#include "background.h"

#include <array>

namespace vexmora::window {

namespace {

constexpr int kTop[3] = {192, 192, 192};
constexpr int kBottom[3] = {GetRValue(kBackColour), GetGValue(kBackColour), GetBValue(kBackColour)};

BYTE Mix(int top, int bottom, int y) {
    return static_cast<BYTE>(top + (bottom - top) * y / (kPictureHeight - 1));
}

}  // namespace

void DrawBackgroundPicture(HDC dc) {
    // One column of the gradient, stretched across: the same picture without holding a
    // bitmap of it.
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = 1;
    info.bmiHeader.biHeight = -kPictureHeight;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::array<DWORD, kPictureHeight> column{};
    for (int y = 0; y < kPictureHeight; ++y) {
        column[y] = DWORD(Mix(kTop[0], kBottom[0], y)) << 16 |
                    DWORD(Mix(kTop[1], kBottom[1], y)) << 8 | Mix(kTop[2], kBottom[2], y);
    }
    StretchDIBits(dc, 0, 0, kPictureWidth, kPictureHeight, 0, 0, 1, kPictureHeight, column.data(),
                  &info, DIB_RGB_COLORS, SRCCOPY);
}

}  // namespace vexmora::window
