#pragma once
// The windows' layouts are in twips, 1440 to the inch, as the screen's DPI turns them into
// pixels.

namespace vexmora {

struct TwipsSize {
    int width, height;
};

}  // namespace vexmora
