#pragma once
// What the About box holds: its size and its two texts, in twips as the main window's layout.

#include "platform/twips.h"
#include "version.h"

namespace vexmora::window {

constexpr TwipsSize kAboutClient = {6585, 2310};

inline constexpr const char* kAboutDisclaimer =
    "This program may or may not work for you. Its authors will not be held responsible "
    "for any damage to your computer caused by it. By running it and letting it modify "
    "the registry you accept full responsibility for whatever happens to your computer's "
    "hardware and software. It contains no malicious code, spyware, adware or similar "
    "software. It may not be redistributed without first asking its authors; link to its "
    "download page instead.";

inline constexpr const char* kAboutRights =
    "Vexmora " VEXMORA_VERSION " (c) 2026 the Vexmora authors";

struct AboutLabel {
    int id;
    const char* text;
    int left, top, width, height;
};

// The box's own control ids: it is a window of its own, apart from the main window's.
enum AboutControlId : int { kAboutDisclaimerId = 1, kAboutRightsId };

// The two labels, centred, in the box's default font and colours.
inline constexpr AboutLabel kAboutLabels[] = {
    {kAboutDisclaimerId, kAboutDisclaimer, 120, 120, 6375, 1575},
    {kAboutRightsId, kAboutRights, 120, 1920, 6375, 255},
};

}  // namespace vexmora::window
