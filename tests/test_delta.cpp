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
        {"the range in the last slot", fake::Edid(3, 0, 87, 72, 0xFD, 108), 87, 72},
        {"an extension block after the base (its bytes not summing to 0)",
         sized(fake::Edid(3, 0, 85, 70), 256), 85, 70},
        {"bad checksum", change(fake::Edid(3, 0, 85, 70), 100, 1), 0, 0},
        {"bad header", change(fake::Edid(3, 0, 85, 70), 0, 1), 0, 0},
        {"no range descriptor", fake::Edid(3, 0, 85, 70, 0xFC), 0, 0},
        {"reserved byte 2", fake::Checksummed(change(fake::Edid(3, 0, 85, 70), 74, 0x5F)), 85, 70},
        {"127 bytes", sized(fake::Edid(3, 0, 85, 70), 127), 0, 0},
    };
    for (const auto& [what, edid, maxV, maxH] : cases) {
        CAPTURE(what);
        const auto range = ParseEdid(edid);
        CHECK((range ? range->maxVerticalHz * 1000 + range->maxHorizontalKHz : 0) ==
              maxV * 1000 + maxH);
    }
    auto all = fake::Edid(3, 0, 85, 70);
    all[35] = 0x24, all[36] = 0x8A;  // every other established timing on the rows, in order
    std::string listed;
    const auto range = ParseEdid(fake::Checksummed(all));
    for (const ListedMode& m : range->listed)
        listed += " " + std::to_string(m.height) + "@" + std::to_string(m.rate) + ":" +
                  std::to_string(m.kHz);
    // With DMT's kHz, before the standard timings ("00 00" lists 248 x 155).
    CHECK(listed.find(" 480@60:31 480@75:38 600@72:48 768@60:48 768@75:60 155@60") == 0);
}

// A row raised from 60 Hz on a monitor of these maxima whose EDID has these bytes set: a mode
// it lists inside its range is trusted; else DMT's timing decides, or for other modes the estimate.
TEST_CASE("which raised rates the monitor is warned of") {
    using Bytes = std::vector<std::pair<std::size_t, int>>;
    // A detailed timing at byte at: the clock in 10 kHz, sizes and blankings, flags.
    const auto detailed = [](std::size_t at, int clock, int w, int hb, int h, int vb, int flags) {
        return Bytes{{at, clock & 0xFF}, {at + 1, clock >> 8},  {at + 2, w & 0xFF},
                     {at + 3, hb},       {at + 4, w >> 8 << 4}, {at + 5, h & 0xFF},
                     {at + 6, vb},       {at + 7, h >> 8 << 4}, {at + 17, flags}};
    };
    // 1280 x 1024 with short blanking, 1440 x 1054 in all, in the base block's third slot.
    const auto sxga = [&](int clock, int flags) {
        return detailed(90, clock, 1280, 160, 1024, 30, flags);
    };
    // A CTA-861 extension, counted so: its tag, the offset in byte 2, a video data block of
    // this descriptor and this length, and its checksum byte when not left to be computed.
    const auto cta = [](int tag, int offset, int svd, int count = 1, int sum = 0, int n = 1) {
        return Bytes{{126, count},    {128, tag}, {129, 3},  {130, offset},
                     {132, 0x40 | n}, {133, svd}, {255, sum}};
    };
    Bytes fhd75 = cta(2, 4, 0);  // 1920 x 1080 at 75 Hz, 83.3 kHz, as its first detailed timing
    for (const auto& b : detailed(132, 17332, 1920, 160, 1080, 31, 0x18)) fhd75.push_back(b);
    const std::tuple<const char*, int, int, Bytes, int, const char*, bool> cases[] = {
        {"1280 x 1024 at 75 established", 85, 70, {{36, 0x01}}, 13, "75", true},
        {"the same inside 80 kHz", 85, 80, {{36, 0x01}}, 13, "75", false},
        {"1024 x 768 at 75 established, 61 Hz at most", 61, 80, {{36, 0x02}}, 9, "75", true},
        {"the same, 76 Hz at most", 76, 61, {{36, 0x02}}, 9, "75", false},
        {"listed, but at another rate", 85, 80, {{36, 0x01}}, 13, "85", true},
        {"800 x 600 at 72 unlisted: DMT's 48.077 kHz", 85, 46, {}, 8, "72", true},
        {"the same, 48 kHz", 85, 48, {}, 8, "72", false},
        {"no DMT timing: the estimate, 77.04 kHz", 85, 77, {}, 10, "85", true},
        {"standard, 4:3, GTF's 77.1 kHz", 85, 77, {{40, 0x71}, {41, 0x59}}, 10, "85", false},
        {"the same, 76 kHz", 85, 76, {{40, 0x71}, {41, 0x59}}, 10, "85", true},
        {"standard, 5:4 is not 1280 x 960", 85, 75, {{52, 0x81}, {53, 0x8F}}, 12, "75", true},
        {"standard, 16:9, GTF's 114.4 kHz", 120, 114, {{38, 0xD1}, {39, 0xE8}}, 17, "100", false},
        {"standard, 16:10 from EDID 1.3", 85, 87, {{38, 0xD1}, {39, 0x0A}}, 18, "70", false},
        {"1:1 before EDID 1.3", 85, 87, {{19, 2}, {38, 0xD1}, {39, 0x0A}}, 18, "70", true},
        {"detailed, 75.0 Hz, 79.05 kHz", 85, 79, sxga(11383, 0x18), 13, "75", false},
        {"detailed, 74.9 Hz", 85, 79, sxga(11368, 0x18), 13, "75", false},
        {"detailed, interlaced", 85, 79, sxga(11383, 0x98), 13, "75", true},
        {"CTA, a detailed timing", 85, 84, fhd75, 17, "75", false},
        {"CTA, VIC 63 flagged native", 120, 136, cta(2, 6, 0xBF), 17, "120", false},
        {"CTA, VIC 63 on a 100 Hz monitor", 100, 136, cta(2, 6, 63), 17, "120", true},
        {"CTA, VIC 64, 112.5 kHz", 100, 113, cta(2, 6, 64), 17, "100", false},
        {"CTA, three extensions counted, one held", 120, 136, cta(2, 6, 63, 3), 17, "120", false},
        {"CTA, held but not counted", 120, 136, cta(2, 6, 63, 0), 17, "120", true},
        {"CTA, a wrong checksum", 120, 136, cta(2, 6, 63, 1, 1), 17, "120", true},
        {"CTA, an offset past the block", 120, 136, cta(2, 200, 63), 17, "120", true},
        {"CTA, a data block past the offset", 120, 136, cta(2, 6, 63, 1, 0, 5), 17, "120", true},
        {"DisplayID, skipped", 120, 136, cta(0x70, 6, 63), 17, "120", true},
    };
    for (const auto& [what, maxV, maxH, bytes, row, rate, warned] : cases) {
        CAPTURE(what);
        auto edid = fake::Edid(3, 0, maxV, maxH);
        for (const auto& [at, value] : bytes) {
            edid.resize(std::max(edid.size(), at / 128 * 128 + 128));
            edid[at] = std::uint8_t(value);
        }
        // Every block sums to 0 but one whose checksum byte the case sets.
        for (std::size_t b = 0; b < edid.size(); b += 128) {
            if (b == 0 || edid[b + 127] == 0) edid = fake::Checksummed(edid, b);
        }
        RateLabels shown, offered;
        offered.fill("60"), shown = offered, shown[row - 1] = rate;
        CHECK(RatesBeyond(*ParseEdid(edid), shown, offered).empty() == !warned);
    }
}

TEST_CASE("the monitor asked is the first active one of the primary adapter") {
    const DisplayDevice primary = {"D2", "", kDisplayDevicePrimaryDevice}, other = {"D1", "", 0};
    const DisplayDevice old = {"", "OLD", 0}, a = {"", "A", kDisplayDeviceActive}, b = {"", "B", 1};
    const std::pair<std::vector<std::pair<std::string, DisplayDevice>>, std::string> cases[] = {
        {{{"", other}, {"", primary}, {"D1", b}, {"D2", old}, {"D2", a}}, "A"},
        {{{"", other}, {"D1", old}, {"D1", b}}, "B"},  // none flagged primary: the first
        {{{"", primary}, {"D2", old}}, "OLD"},         // the only one, whatever its flags
        {{{"", primary}, {"D2", old}, {"D2", {"", "OLD2", 0}}}, ""},
    };
    for (const auto& [devices, id] : cases) {
        fake::Display display;
        display.devices = devices;
        CHECK(FindMonitorDeviceId(display) == id);
    }
}
