#include <windows.h>

#include <doctest/doctest.h>

#include "grid/display_scan.h"
#include "win32_platform.h"

using namespace vexmora;

TEST_CASE("display modes from EnumDisplaySettingsA") {
    win32::DisplayModes display;
    DisplayMode mode;
    int count = 0;
    while (count < 100000 && display.EnumMode(count, &mode)) {
        CHECK(mode.width > 0);
        CHECK(mode.height > 0);
        ++count;
    }
    MESSAGE("modes enumerated: " << count << ", the first at " << mode.frequency << " Hz");
    CHECK(count >= 1);

    // The scan over the real modes leaves no label empty.
    RateLabels labels;
    CheckDisplayModes(display, labels);
    for (const std::string& label : labels) CHECK_FALSE(label.empty());
}
