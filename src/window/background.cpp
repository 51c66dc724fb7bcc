#include "background.h"

namespace vexmora::window {

namespace {

constexpr int kTop[3] = {192, 192, 192};
constexpr int kBottom[3] = {GetRValue(kBackColour), GetGValue(kBackColour), GetBValue(kBackColour)};

BYTE Mix(int top, int bottom, int y) {
    return static_cast<BYTE>(top + (bottom - top) * y / (kPictureHeight - 1));
}

}  // namespace

HBITMAP CreateBackgroundPicture() {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = kPictureWidth;
    info.bmiHeader.biHeight = -kPictureHeight;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;

    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap == nullptr) return nullptr;
    const int stride = (kPictureWidth * 3 + 3) & ~3;
    for (int y = 0; y < kPictureHeight; ++y) {
        BYTE* row = static_cast<BYTE*>(bits) + y * stride;
        const BYTE b = Mix(kTop[2], kBottom[2], y);
        const BYTE g = Mix(kTop[1], kBottom[1], y);
        const BYTE r = Mix(kTop[0], kBottom[0], y);
        for (int x = 0; x < kPictureWidth; ++x) {
            row[3 * x] = b;
            row[3 * x + 1] = g;
            row[3 * x + 2] = r;
        }
    }
    return bitmap;
}

}  // namespace vexmora::window
