#include <doctest/doctest.h>

#include "catalogue/adapters.h"
#include "grid/colours.h"
#include "grid/layout.h"
#include "fakes.h"

using namespace vexmora;

namespace {

using Box = std::pair<std::string, BoxKind>;
using Boxes = std::vector<Box>;
constexpr BoxKind kAsk = BoxKind::Question;
const Box kAskApply = {"Are you sure you want to apply these values to the registry?", kAsk};
const Box kAskReset = {"AAre you sure you wish to set the Nvidia driver default values?", kAsk};
const Box kWriteError = {"Error writing to the registry", BoxKind::Stop};

}  // namespace

TEST_CASE("Set Defaults writes the factory string and rescans, and No writes nothing") {
    fake::Machine m("NVIDIA RIVA TNT", "5.0");
    REQUIRE(m.frm.Form_Load());
    m.frm.Check1_Click();
    const auto before = m.reg.keys;
    for (int i = 0; i < 6; ++i) m.Step(9, +1);
    m.frm.cmdApply_Click();  // answered No
    m.display.modes = {{32, 1024, 768, 75}};
    m.frm.cmdReset_Click();  // answered No, and the grid is rescanned all the same
    CHECK(m.Rate(9) == "75");
    CHECK(m.reg.keys == before);
    CHECK(m.dialogs.shown == Boxes{kAskApply, kAskReset});
    // The control still stands at 7: up moves nothing, down steps to 100.
    m.Step(9, +1);
    CHECK(m.Rate(9) == "75");
    m.Step(9, -1);
    CHECK(m.Rate(9) == "100");

    m.dialogs.answers = {kIdYes};
    m.frm.cmdReset_Click();
    fake::Registry expected;  // the registry as it was, with the one value written
    expected.keys = before;
    expected.PutString(m.driverKey, "NV4_Modes_Delta",
                       FindAdapter("NVIDIA RIVA TNT")->factoryDelta);
    CHECK(m.reg.keys == expected.keys);
    CHECK(m.Rate(9) == "75");
    CHECK(m.dialogs.shown.back() == Box{"Default values reset successfully", BoxKind::Notice});
}

TEST_CASE("a write that fails ends in the error box and changes nothing") {
    for (bool known : {false, true}) {
        CAPTURE(known);
        fake::Machine m(known ? "NVIDIA GeForce4 Ti 4200" : "NVIDIA GeForce FX 5200");
        REQUIRE(m.frm.Form_Load());
        const auto before = m.reg.keys;
        m.reg.refuseWrites = known;
        m.dialogs.answers = {kIdYes, kIdYes};
        m.frm.cmdApply_Click();
        m.display.modes = {{32, 1024, 768, 75}};
        m.frm.cmdReset_Click();
        CHECK(m.dialogs.shown == Boxes{kAskApply, kWriteError, kAskReset, kWriteError});
        CHECK(m.Rate(9) == "60");  // no rescan after a failed Set Defaults
        CHECK(m.reg.keys == before);
        CHECK(m.reg.handles.empty());
    }
}

TEST_CASE("the customize switch") {
    fake::Machine m;
    m.display.modes = {{32, 640, 480, 75}, {32, 800, 600, 90}, {32, 1024, 768, 60}};
    REQUIRE(m.frm.Form_Load());
    m.window.positions[6] = 2;
    m.frm.Check1_Click();  // on: rows with a rate open, ladder rates set the position
    for (int row = 1; row <= kRowCount; ++row)
        CHECK(m.window.enabled[row - 1] == (row >= 7 && row <= 9));
    CHECK(m.window.positions[6] == 4);
    m.Step(8, -1);  // "90" is off the ladder and its control at 1: nothing moves
    CHECK(m.Rate(8) == "90");
    m.Step(8, +1);
    CHECK(m.Rate(8) == "70");
    m.Step(1, +1);
    CHECK(m.Rate(1) == "N/A");
    m.frm.Check1_Click();  // off: every row locked, the scanned rates back
    CHECK(m.window.enabled == std::array<bool, kRowCount>{});
    CHECK(m.Rate(8) == "90");
}

TEST_CASE("the Help menu: the help file beside the program, afresh at each click, and About") {
    fake::Machine m;
    REQUIRE(m.frm.Form_Load());
    const Box notFound = {"Help file (vexmhelp.chm) not found", BoxKind::Stop};
    m.frm.mnuTopics_Click();
    m.help.files.insert("C:\\Vexmora\\vexmhelp.chm");
    m.frm.mnuTopics_Click();
    m.help.viewer = 0;  // the viewer did not open
    m.frm.mnuTopics_Click();
    // A path of 259 characters opens; one of 260 cannot be opened by the ANSI calls.
    m.help.viewer = 1;
    for (std::size_t folder : {246, 247}) {
        m.help.folder = "C:" + std::string(folder - 2, 'x');
        m.help.files = {m.help.folder + "\\vexmhelp.chm"};
        m.frm.mnuTopics_Click();
    }
    m.window.aboutOpens = false;
    m.frm.mnuAbout_Click();
    CHECK(m.dialogs.shown == Boxes{notFound,
                                   {"Vexmora could not open its help file.", BoxKind::Stop},
                                   notFound,
                                   {"Vexmora could not open its About box.", BoxKind::Stop}});
    CHECK(m.help.opened.size() == 3);
    CHECK(m.help.opened[0] == "C:\\Vexmora\\vexmhelp.chm 0 0");
}

TEST_CASE("the layout's anchors, in twips") {
    // left, top, width, height of every control placed by plain numbers: the information
    // lines, headers, divider, buttons, and the first and last row of each column.
    const std::pair<const char*, std::array<int, 4>> anchors[] = {
        {"Label1", {240, 120, 1695, 255}},     {"lblAdapters", {1560, 120, 3135, 255}},
        {"Label4", {240, 360, 1695, 255}},     {"lblOS", {1560, 360, 3135, 255}},
        {"Label5", {240, 600, 1695, 255}},     {"lblDetVersion", {1560, 600, 3135, 255}},
        {"Label2", {240, 960, 1095, 255}},     {"Label46", {1320, 960, 495, 255}},
        {"Label45", {2520, 960, 1215, 255}},   {"Label47", {3720, 960, 495, 255}},
        {"Line1", {2400, 960, 0, 2640}},       {"cmdApply", {120, 3840, 1455, 375}},
        {"cmdReset", {1800, 3840, 1215, 375}}, {"Check1", {3240, 3840, 1575, 375}},
        {"Label3", {240, 1200, 1095, 255}},    {"Label25", {1320, 1200, 495, 255}},
        {"UpDown1", {1920, 1200, 375, 255}},   {"Label34", {1320, 3360, 495, 255}},
        {"UpDown10", {1920, 3360, 375, 255}},  {"Label15", {2520, 1200, 1215, 255}},
        {"UpDown11", {4320, 1200, 375, 255}},  {"Label24", {2520, 3360, 1215, 255}},
        {"Label44", {3720, 3360, 495, 255}},   {"UpDown20", {4320, 3360, 375, 255}},
    };
    for (const auto& [name, place] : anchors) {
        CAPTURE(name);
        const auto& layout = MainLayout();
        const auto c = std::find_if(layout.begin(), layout.end(),
                                    [&](const ControlSpec& s) { return s.name == name; });
        REQUIRE(c != layout.end());
        CHECK(std::array<int, 4>{c->left, c->top, c->width, c->height} == place);
    }
}

TEST_CASE("Apply warns first of raised rates beyond the monitor's EDID, looked up at the click") {
    fake::Machine m;
    const std::string model = "SYSTEM\\CurrentControlSet\\Enum\\DISPLAY\\DEL4001\\";
    m.display.devices = {{"", {"\\\\.\\DISPLAY1", "", kDisplayDevicePrimaryDevice}},
                         {"\\\\.\\DISPLAY1",
                          {"", "MONITOR\\DEL4001\\{4d36e96e-e325-11ce-bfc1-08002be10318}\\0001",
                           kDisplayDeviceActive}}};
    m.reg.PutString(model + "5&1&0&0", "Driver", "{4D36E96E-E325-11CE-BFC1-08002BE10318}\\0000");
    m.reg.PutString(model + "5&2&0&0", "Driver", "{4D36E96E-E325-11CE-BFC1-08002BE10318}\\0001");
    m.display.modes.push_back({32, 1280, 1024, 75});  // beyond 70 kHz, but not raised
    REQUIRE(m.frm.Form_Load());
    m.frm.Check1_Click();
    for (int i = 0; i < 4; ++i) m.Step(8, +1);  // 800 x 600 at 85 Hz: within the range
    m.frm.cmdApply_Click();                     // no EDID yet: no warning
    m.reg.Put(model + "5&2&0&0\\Device Parameters", "EDID", kRegBinary, fake::Edid(3, 0, 85, 70));
    m.frm.cmdApply_Click();                     // nothing raised beyond 85 Hz and 70 kHz
    for (int i = 0; i < 5; ++i) m.Step(9, +1);  // 1024 x 768 at 100 Hz
    m.frm.cmdApply_Click();                     // No to the warning: nothing more
    m.dialogs.answers = {kIdYes, kIdNo};
    m.frm.cmdApply_Click();  // Yes: the question follows
    const Box warning = {
        "These rates are beyond what your monitor reports it can show: 1024 x 768 "
        "at 100 Hz. A rate the monitor cannot show may leave the screen blank "
        "after the restart. Apply anyway?",
        BoxKind::WarningQuestion};
    CHECK(m.dialogs.shown == Boxes{kAskApply, kAskApply, warning, warning, kAskApply});
}

// Safe Mode and VGA mode run at the 16 VGA colours: the window is plain there, its text apart.
TEST_CASE("at 256 colours or fewer the labels stay apart from the window") {
    const std::set<std::uint32_t> vga = {0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080,
                                         0x808000, 0xC0C0C0, 0x808080, 0x0000FF, 0x00FF00, 0x00FFFF,
                                         0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
    for (int bits : {1, 4, 8}) {
        const WindowColours c = ColoursFor(bits, Rgb(212, 208, 200));
        CHECK_FALSE(c.picture);  // its grey top would meet the labels' grey
        CHECK((vga.count(c.text) && vga.count(c.background) && c.text != c.background));
    }
}

TEST_CASE("each kind of box has the MessageBox flags its purpose documents") {
    // MB_YESNO 0x4; MB_ICONWARNING 0x30 with MB_DEFBUTTON2 0x100; MB_ICONERROR 0x10; MB_OK 0.
    const std::vector<BoxKind> kinds = {BoxKind::Question, BoxKind::WarningQuestion, BoxKind::Stop,
                                        BoxKind::Notice};
    CHECK(kinds == std::vector<BoxKind>{BoxKind(0x4), BoxKind(0x134), BoxKind(0x10), BoxKind(0)});
}
