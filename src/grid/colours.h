#pragma once
// The main window's colours. On a screen of 256 colours or fewer (Safe Mode and VGA mode run
// at 16, exactly when a user needs Set Defaults) the picture falls apart into a few system
// colours, and the light-grey labels with it: there the window is plain, in two of the 16
// VGA colours, which every such screen shows as they are.

#include <cstdint>

namespace vexmora {

// A colour as Windows keeps it: 0x00BBGGRR.
constexpr std::uint32_t Rgb(int r, int g, int b) {
    return std::uint32_t(r) | std::uint32_t(g) << 8 | std::uint32_t(b) << 16;
}

constexpr std::uint32_t kBackColour = Rgb(1, 0, 66);

struct WindowColours {
    bool picture;              // the gradient behind the controls
    std::uint32_t background;  // beyond the picture, or everywhere without it
    std::uint32_t text;        // every label's
};

// bitsPerPixel: the screen's bits per pixel times its planes; borders: the system colour of
// active window borders, which the labels take over the picture.
constexpr WindowColours ColoursFor(int bitsPerPixel, std::uint32_t borders) {
    return bitsPerPixel <= 8 ? WindowColours{false, Rgb(0, 0, 128), Rgb(255, 255, 255)}
                             : WindowColours{true, kBackColour, borders};
}

}  // namespace vexmora
