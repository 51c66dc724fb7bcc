#include <doctest/doctest.h>

#include "catalogue/adapters.h"
#include "delta/modes_delta.h"
#include "grid/display_scan.h"
#include "detect/monitor.h"
#include "grid/beyond_monitor.h"
#include "fakes.h"

using namespace vexmora;

namespace {

// The driver's factory strings, exactly as Set Defaults must hand them to the driver.
const char* const kGeForceSet =
    "S 1600,900,-16,120;1600,900,32,100-;1600,1024,-16,120;1600,1024,32,100-;1600,1200,-16,120;"
    "1600,1200,32,100-;1920,1080,-16,120;1920,1080,32,85-;1920,1200,-16,100-;1920,1200,32,72-;"
    "1920,1440,-16,85-;1920,1440,32,70-;2048,1536,-16,70-;2048,1536,32,-";

}  // namespace

TEST_CASE("the four factory strings, as the driver must receive them") {
    const std::pair<const char*, const char*> cases[] = {
        {"NVIDIA GeForce3", kGeForceSet},
        {"NVIDIA RIVA TNT2 Model 64/Model 64 Pro",
         "S 1600,900,-16,120;1600,900,32,100-;1600,1024,-16,120;1600,1024,32,100-;"
         "1600,1200,-16,120;1600,1200,32,100-;1920,1080,-16,120;1920,1080,32,85-;"
         "1920,1200,-16,100-;1920,1200,32,-;1920,1440,-16,85-;1920,1440,32,-;"
         "2048,1536,-16,70-;2048,1536,32,-"},
        {"NVIDIA RIVA TNT",
         "S 1280,768,-,-;1280,960,-,-;1280,1024,32,120;1600,900,-16,100-;1600,900,32,85-;"
         "1600,1024,-16,100-;1600,1024,32,85-;1600,1200,-16,100-;1600,1200,32,85-;"
         "1920,1080,-16,100-;1920,1080,32,75-;1920,1200,-16,85-;1920,1200,32,70-;"
         "1920,1440,-,-;2048,1536,-,-"},
        {"NVIDIA Vanta/Vanta LT",
         "S 1280,768,-,-;1280,960,-,-;1280,1024,32,120;1600,900,-16,100-;1600,900,32,85-;"
         "1600,1024,-16,100-;1600,1024,32,85-;1600,1200,-16,100-;1600,1200,32,85-;"
         "1920,1080,-16,100-;1920,1080,32,70-;1920,1200,-16,85-;1920,1200,32,70-;"
         "1920,1440,-,-;2048,1536,-,-"},
    };
    for (const auto& [description, factory] : cases) {
        CAPTURE(description);
        CHECK(std::string(FindAdapter(description)->factoryDelta) == factory);
    }
}

TEST_CASE("the Modes_Delta string, byte for byte") {
    std::array<std::string, kRowCount> tokens;
    const char* captions[kRowCount] = {"N/A", "60",  "70",  "72",  "75",  "85",  "100",
                                       "120", "",    "56",  " 60", "n/a", "N/A", "N/A",
                                       "N/A", "N/A", "N/A", "N/A", "N/A", "N/A"};
    for (int i = 0; i < kRowCount; ++i) tokens[i] = CalcRates(captions[i]);
    CHECK(BuildModesDelta(tokens, kGeForceSet) ==
          "S 320,200,-,-;320,240,-,70-;400,300,-,-60;480,360,-,-70;512,384,-,-72;640,400,-,-75;"
          "640,480,-,-85;800,600,-,-100;1024,768,-,;1152,864,-,;1280,768,-,;1280,960,-,;"
          "1280,1024,-,-;1600,900,-,-;1600,1024,-,-;1600,1200,-,-;1920,1080,-,-;1920,1200,-,-;"
          "1920,1440,-,-;2048,1536,-,-;1600,900,-16,120;1600,900,32,100-;1600,1024,-16,120;"
          "1600,1024,32,100-;1600,1200,-16,120;1600,1200,32,100-;1920,1080,-16,120;"
          "1920,1080,32,85-;1920,1200,-16,100-;1920,1200,32,72-;1920,1440,-16,85-;"
          "1920,1440,32,70-;2048,1536,-16,70-;2048,1536,32,-");
    // The first two characters of the factory string go, whatever they are.
    const std::string tail = BuildModesDelta(tokens, "XY1");
    CHECK(tail.substr(tail.size() - 3) == "-;1");
}

TEST_CASE("catalogue lookup is whole-text and case-sensitive") {
    const std::pair<const char*, const char*> cases[] = {
        {"NVIDIA GeForce3 Ti 500", "NV20_2_Modes_Delta"},  // not taken for "NVIDIA GeForce3"
        {"nvidia geforce3", nullptr},
        {"NVIDIA GeForce3 ", nullptr},
        {"NVIDIA GeForce", nullptr},
        {"", nullptr},
    };
    for (const auto& [description, value] : cases) {
        CAPTURE(description);
        const AdapterProfile* found = FindAdapter(description);
        CHECK((found ? std::string(found->valueName) : "none") == (value ? value : "none"));
    }
}

TEST_CASE("display-mode scan") {
    using Modes = std::vector<DisplayMode>;
    // row (1 to 20), modes, label before, label after
    const std::tuple<int, Modes, const char*, const char*> cases[] = {
        {8, {{16, 800, 600, 60}, {32, 800, 600, 85}, {32, 800, 600, 75}}, "", "75"},  // last wins
        {7, {{4, 640, 480, 60}}, "", "N/A"},  // 4-bit only for the three smallest
        {1, {{4, 320, 200, 70}}, "", "70"},
        {7, {{0x10004, 640, 480, 60}}, "", "N/A"},  // only the low 16 bits of the depth
        {8, {{32, 800, 600, 0}}, "", "N/A"},        // frequency 0 ignored
        {8, {{32, 800, 600, 40000}}, "", "40000"},
        {8, {{32, 800, 600, 0x80000000u}}, "", "N/A"},
        {13, {{32, 1280, 960, 75}}, "", "N/A"},
        {6, {}, "75", "75"},  // never cleared
        {20, {{32, 2048, 1536, 60}}, "N/A", "60"},
    };
    for (const auto& [row, modes, before, after] : cases) {
        CAPTURE(row);
        fake::Display display;
        display.modes = modes;
        RateLabels labels;
        labels[row - 1] = before;
        FillRatesFromModes(display, labels);
        CHECK(labels[row - 1] == after);
    }
}

TEST_CASE("the monitor's range from its EDID") {
    using Bytes = std::vector<std::uint8_t>;
    const auto change = [](Bytes e, std::size_t at, int by) { return e[at] += by, e; };
    const auto sized = [](Bytes e, std::size_t size) { return e.resize(size, 0x5B), e; };
    const std::tuple<const char*, Bytes, int, int> cases[] = {
        {"EDID 1.3", fake::Edid(3, 0x0A, 85, 70), 85, 70},  // 1.3 has no offset flags
        {"EDID 1.4 adds 255 where flagged", fake::Edid(4, 0x0A, 45, 10), 300, 265},
        {"1.4, the vertical maximum flagged", fake::Edid(4, 0x02, 45, 10), 300, 10},
        {"1.4, the horizontal maximum flagged", fake::Edid(4, 0x08, 45, 10), 45, 265},
        {"1.4, only the minima flagged", fake::Edid(4, 0x05, 45, 10), 45, 10},
        {"the range in the first slot", fake::Edid(3, 0, 85, 70, 0xFD, 54), 85, 70},
        {"the range in the third slot", fake::Edid(3, 0, 86, 71, 0xFD, 90), 86, 71},
        {"the range in the last slot", fake::Edid(3, 0, 87, 72, 0xFD, 108), 87, 72},
        {"an extension block after the base (its bytes not summing to 0)",
         sized(fake::Edid(3, 0, 85, 70), 256), 85, 70},
        {"bad checksum", change(fake::Edid(3, 0, 85, 70), 100, 1), 0, 0},
        {"bad header", change(fake::Edid(3, 0, 85, 70), 0, 1), 0, 0},
        {"no range descriptor", fake::Edid(3, 0, 85, 70, 0xFC), 0, 0},
        {"127 bytes", sized(fake::Edid(3, 0, 85, 70), 127), 0, 0},
    };
    for (const auto& [what, edid, maxV, maxH] : cases) {
        CAPTURE(what);
        const auto range = ParseEdid(edid);
        CHECK((range ? range->maxVerticalHz * 1000 + range->maxHorizontalKHz : 0) ==
              maxV * 1000 + maxH);
    }
}

// A monitor of 85 Hz and 80 kHz at most: the modes it lists are trusted over the estimate.
TEST_CASE("no warning for a mode the monitor lists itself") {
    using Bytes = std::vector<std::pair<std::size_t, int>>;
    // 1280 x 1024 with short blanking (1440 x 1054 in all), in the third slot.
    const auto detailed = [](int clock, int flags) {
        return Bytes{{90, clock & 0xFF}, {91, clock >> 8}, {92, 0x00}, {93, 0xA0},  {94, 0x50},
                     {95, 0x00},         {96, 0x1E},       {97, 0x40}, {107, flags}};
    };
    const std::tuple<const char*, int, Bytes, int, const char*, bool> cases[] = {
        {"1280 x 1024 at 75 established", 3, {{36, 0x01}}, 13, "75", false},
        {"nothing listed: the estimate (80.1 kHz)", 3, {}, 13, "75", true},
        {"standard, 4:3", 3, {{40, 0xA9}, {41, 0x59}}, 16, "85", false},
        {"standard, 5:4", 3, {{52, 0x81}, {53, 0x99}}, 13, "85", false},
        {"standard, 16:9", 3, {{38, 0xD1}, {39, 0xD9}}, 17, "85", false},
        {"standard, 16:10 from EDID 1.3", 3, {{38, 0xD1}, {39, 0x19}}, 18, "85", false},
        {"standard, 1:1 before EDID 1.3", 2, {{38, 0xD1}, {39, 0x19}}, 18, "85", true},
        {"detailed, 75.0 Hz", 3, detailed(11383, 0x18), 13, "75", false},
        {"detailed, 74.9 Hz", 3, detailed(11368, 0x18), 13, "75", false},
        {"detailed, interlaced", 3, detailed(11383, 0x98), 13, "75", true},
        {"listed, but at another rate", 3, {{36, 0x01}}, 13, "85", true},
    };
    for (const auto& [what, revision, bytes, row, rate, warned] : cases) {
        CAPTURE(what);
        auto edid = fake::Edid(revision, 0, 85, 80);
        for (const auto& [at, value] : bytes) edid[at] = std::uint8_t(value);
        RateLabels shown, offered;
        offered.fill("60"), shown = offered, shown[row - 1] = rate;
        CHECK(RatesBeyond(*ParseEdid(fake::Checksummed(edid)), shown, offered).empty() == !warned);
    }
}

TEST_CASE("the monitor asked is the first active one of the primary adapter") {
    const DisplayDevice primary = {"D2", "", kDisplayDevicePrimaryDevice}, other = {"D1", "", 0};
    const DisplayDevice old = {"", "OLD", 0}, a = {"", "A", kDisplayDeviceActive}, b = {"", "B", 1};
    const std::pair<std::vector<std::pair<std::string, DisplayDevice>>, std::string> cases[] = {
        {{{"", other}, {"", primary}, {"D1", b}, {"D2", old}, {"D2", a}}, "A"},
        {{{"", other}, {"D1", old}, {"D1", b}}, "B"},  // none flagged primary: the first
        {{{"", primary}, {"D2", old}}, ""},
    };
    for (const auto& [devices, id] : cases) {
        fake::Display display;
        display.devices = devices;
        CHECK(FindMonitorDeviceId(display) == id);
    }
}
