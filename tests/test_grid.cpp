#include <doctest/doctest.h>

#include "fakes.h"
#include "grid/display_scan.h"
#include "grid/layout.h"

using namespace vexmora;

namespace {

RateLabels Scan(const std::vector<DisplayMode>& modes, RateLabels labels = {}) {
    fake::Display display;
    display.modes = modes;
    CheckDisplayModes(display, labels);
    return labels;
}

constexpr int k800 = 7, k640x480 = 6, k640x400 = 5, k320x200 = 0, k1280x960 = 11, k1280x1024 = 12,
              k2048 = 19;

}  // namespace

TEST_CASE("ladder") {
    for (int position = 1; position <= 7; ++position) {
        CHECK(LadderPosition(*LadderRate(position)) == position);
    }
    CHECK_FALSE(LadderRate(0));
    CHECK_FALSE(LadderRate(8));
    CHECK_FALSE(LadderRate(-1));
    for (const char* text : {"56", "90", "N/A", "", " 60", "060"})
        CHECK_FALSE(LadderPosition(text));
}

TEST_CASE("display-mode scan") {
    SUBCASE("the last matching mode wins, not the highest") {
        CHECK(Scan({{16, 800, 600, 60}, {32, 800, 600, 75}, {32, 800, 600, 85}})[k800] == "85");
        CHECK(Scan({{32, 800, 600, 85}, {16, 800, 600, 75}, {32, 800, 600, 60}})[k800] == "60");
    }
    SUBCASE("4-bit modes count only for the three smallest resolutions") {
        CHECK(Scan({{4, 640, 480, 60}})[k640x480] == "N/A");
        CHECK(Scan({{4, 320, 200, 70}})[k320x200] == "70");
        // Only the low 16 bits of the depth are compared.
        CHECK(Scan({{0x10004, 640, 480, 60}})[k640x480] == "N/A");
        CHECK(Scan({{0x10020, 640, 480, 60}})[k640x480] == "60");
    }
    SUBCASE("frequency 0 is ignored, 1 counts, above 32767 is written whole") {
        CHECK(Scan({{32, 800, 600, 0}})[k800] == "N/A");
        CHECK(Scan({{32, 800, 600, 1}})[k800] == "1");
        CHECK(Scan({{32, 800, 600, 40000}})[k800] == "40000");
        CHECK(Scan({{32, 800, 600, 0x80000000u}})[k800] == "N/A");
    }
    SUBCASE("a resolution not offered shows N/A beside one that is") {
        const auto labels = Scan({{32, 1280, 1024, 75}});
        CHECK(labels[k1280x1024] == "75");
        CHECK(labels[k1280x960] == "N/A");
    }
    SUBCASE("labels are never cleared; N/A is overwritten by a match") {
        RateLabels before;
        before[k640x400] = "75";
        before[k2048] = "N/A";
        const auto labels = Scan({{32, 2048, 1536, 60}}, before);
        CHECK(labels[k640x400] == "75");
        CHECK(labels[k2048] == "60");
    }
    SUBCASE("no modes at all") {
        RateLabels before;
        before[3] = "85";
        const auto labels = Scan({}, before);
        for (int i = 0; i < kRowCount; ++i) CHECK(labels[i] == (i == 3 ? "85" : "N/A"));
    }
}

TEST_CASE("main window layout") {
    const auto& layout = MainLayout();
    auto find = [&](const std::string& name) {
        for (const ControlSpec& c : layout) {
            if (c.name == name) return c;
        }
        FAIL("no control " << name);
        return ControlSpec{};
    };
    // Focus order: the buttons, the spin controls in row order, the switch.
    std::vector<std::string> focus;
    for (const ControlSpec& c : layout) {
        if (c.kind != ControlKind::Label && c.kind != ControlKind::Line) focus.push_back(c.name);
    }
    REQUIRE(focus.size() == 23);
    CHECK(focus.front() == "cmdApply");
    CHECK(focus[1] == "cmdReset");
    CHECK(focus[2] == "UpDown1");
    CHECK(focus[21] == "UpDown20");
    CHECK(focus.back() == "Check1");

    CHECK(find("Label3").text == "320 x 200");
    CHECK(find("Label24").text == "2048 x 1536");
    CHECK(find("Label13").text == "1024 x 768");
    for (int row : {1, 10, 11, 20}) {
        const ControlSpec rate = find("Label" + std::to_string(24 + row));
        CHECK(rate.row == row);
        CHECK(rate.top == (row % 10 == 1 ? 1200 : 3360));
        CHECK(find("UpDown" + std::to_string(row)).top == rate.top);
    }
    // Every control lies inside the client area.
    for (const ControlSpec& c : layout) {
        CAPTURE(c.name);
        CHECK(c.left + c.width <= kMainClient.width);
        CHECK(c.top + c.height <= kMainClient.height);
    }
}
