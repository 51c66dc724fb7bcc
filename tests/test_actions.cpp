#include <doctest/doctest.h>

#include "catalogue/adapters.h"
#include "delta/actions.h"
#include "fakes.h"

using namespace vexmora;

namespace {

constexpr int k800 = 8, k1024 = 9;

const std::string kGeForceSet = FindAdapter("NVIDIA GeForce3")->factoryDelta;
const std::string kTntSet = FindAdapter("NVIDIA RIVA TNT")->factoryDelta;

std::vector<std::string> Texts(const fake::Dialogs& d) {
    std::vector<std::string> texts;
    for (const auto& box : d.shown) texts.push_back(box.text);
    return texts;
}

void Load(fake::Machine& m) {
    REQUIRE(m.frm.Form_Load());
}

// The registry as it was, plus the one value the action should have written.
fake::Registry::Keys With(fake::Registry before, const std::string& key, const std::string& name,
                          const std::string& text) {
    before.PutString(key, name, text);
    return before.Snapshot();
}

}  // namespace

TEST_CASE("the road of one typical use") {
    fake::Machine m;
    Load(m);
    CHECK(m.frm.RateCaption(k1024) == "60");
    const fake::Registry before = m.reg;

    m.frm.Check1_Click();
    for (int i = 0; i < 4; ++i) m.Step(k1024, +1);
    CHECK(m.frm.RateCaption(k1024) == "85");
    CHECK(m.window.captions["Label33"] == "85");

    m.dialogs.answers = {kIdYes};
    m.frm.cmdApply_Click();

    const std::string expected =
        "S 320,200,-,-;320,240,-,-;400,300,-,-;480,360,-,-;512,384,-,-;640,400,-,-;640,480,-,-;"
        "800,600,-,70-;1024,768,-,-75;1152,864,-,-;1280,768,-,-;1280,960,-,-;1280,1024,-,-;"
        "1600,900,-,-;1600,1024,-,-;1600,1200,-,-;1920,1080,-,-;1920,1200,-,-;1920,1440,-,-;"
        "2048,1536,-,-;" +
        kGeForceSet.substr(2);
    CHECK(m.reg.Snapshot() == With(before, m.DriverKey(), "NV25_Modes_Delta", expected));
    CHECK(m.frm.strNewDelta() == expected);

    REQUIRE(m.dialogs.shown.size() == 2);
    CHECK(m.dialogs.shown[0].text ==
          "Are you sure you want to apply these values to the registry?");
    CHECK(m.dialogs.shown[0].flags == kMbYesNo);
    CHECK(m.dialogs.shown[1].text ==
          "Values added succesfully, please remember to REBOOT your PC to apply the changes");
    CHECK(m.dialogs.shown[1].flags == kMbOk);
    for (const auto& box : m.dialogs.shown) CHECK(box.title == "Vexmora");
    CHECK(m.reg.OpenHandles() == 0);
}

TEST_CASE("Apply writes what the labels show, rows switched off included") {
    fake::Machine m;
    m.display.modes = {};
    Load(m);
    const fake::Registry before = m.reg;
    m.dialogs.answers = {kIdYes};
    m.frm.cmdApply_Click();
    std::string expected = "S ";
    for (const ResolutionRow& row : kRows) {
        expected += std::to_string(row.width) + "," + std::to_string(row.height) + ",-,-;";
    }
    CHECK(m.reg.Snapshot() ==
          With(before, m.DriverKey(), "NV25_Modes_Delta", expected + kGeForceSet.substr(2)));
    CHECK(m.frm.strNewDelta().rfind("S 320,200,-,-;320,240,-,-", 0) == 0);

    SUBCASE("and replaces what another tool wrote; applying twice writes the same") {
        m.reg.PutString(m.DriverKey(), "NV25_Modes_Delta", "S 640,480,8,60");
        m.dialogs.answers = {kIdYes};
        m.frm.cmdApply_Click();
        CHECK(m.reg.Snapshot() ==
              With(before, m.DriverKey(), "NV25_Modes_Delta", expected + kGeForceSet.substr(2)));
    }
}

TEST_CASE("No to either question writes nothing") {
    for (int answer : {kIdNo, 2 /* IDCANCEL */}) {
        fake::Machine m;
        Load(m);
        m.frm.Check1_Click();
        m.Step(k1024, +1);
        const fake::Registry before = m.reg;
        const int scansBefore = m.display.calls;

        m.dialogs.answers = {answer};
        m.frm.cmdApply_Click();
        CHECK(Texts(m.dialogs) == std::vector<std::string>{kAskApply});
        CHECK(m.display.calls == scansBefore);

        m.dialogs.answers = {answer};
        m.frm.cmdReset_Click();
        CHECK(Texts(m.dialogs) == std::vector<std::string>{kAskApply, kAskReset});
        CHECK(m.dialogs.shown[1].flags == kMbYesNo);
        CHECK(m.reg.Snapshot() == before.Snapshot());
        // Set Defaults refreshes the grid whatever the answer; the step is undone.
        CHECK(m.display.calls > scansBefore);
        CHECK(m.frm.RateCaption(k1024) == "60");
        CHECK(m.frm.strNewDelta().empty());
    }
}

TEST_CASE("Set Defaults writes the factory string byte for byte") {
    struct Case {
        const char* adapter;
        const char* os;
        const char* value;
        const std::string& factory;
    };
    const Case cases[] = {
        {"NVIDIA RIVA TNT", "5.0", "NV4_Modes_Delta", kTntSet},
        {"NVIDIA GeForce4 Ti 4200", "5.1", "NV25_Modes_Delta", kGeForceSet},
    };
    for (const Case& c : cases) {
        CAPTURE(c.adapter);
        fake::Machine m(c.adapter, c.os);
        Load(m);
        const fake::Registry before = m.reg;
        m.dialogs.answers = {kIdYes, kIdYes};
        m.frm.cmdApply_Click();
        m.frm.cmdReset_Click();
        // The reset replaces the composed string completely.
        CHECK(m.reg.Snapshot() == With(before, m.DriverKey(), c.value, c.factory));
        CHECK(Texts(m.dialogs) == std::vector<std::string>{kAskApply, kApplied, kAskReset,
                                                           "Default values reset successfully"});
        CHECK(m.dialogs.shown[3].flags == kMbOk);
    }
}

TEST_CASE("Set Defaults refreshes the grid but keeps the switch and the positions") {
    fake::Machine m;
    Load(m);
    m.frm.Check1_Click();
    for (int i = 0; i < 6; ++i) m.Step(k1024, +1);
    CHECK(m.frm.RateCaption(k1024) == "120");
    m.dialogs.answers = {kIdYes};
    m.frm.cmdReset_Click();
    CHECK(m.frm.RateCaption(k1024) == "60");
    CHECK(m.frm.blnCustomize());
    CHECK(m.window.enabled[k1024 - 1]);
    // The position was not synchronised: the next step down starts from 120.
    m.Step(k1024, -1);
    CHECK(m.frm.RateCaption(k1024) == "100");
}

TEST_CASE("write failures end in the error box, never in success") {
    struct Case {
        const char* what;
        const char* adapter;
        bool refuse;
    };
    const Case cases[] = {
        {"adapter outside the catalogue", "NVIDIA GeForce FX 5200", false},
        {"registry refuses the write", "NVIDIA GeForce4 Ti 4200", true},
    };
    for (const Case& c : cases) {
        CAPTURE(c.what);
        fake::Machine m(c.adapter);
        Load(m);
        const fake::Registry before = m.reg;
        m.reg.refuseWrites = c.refuse;

        m.dialogs.answers = {kIdYes};
        m.frm.cmdApply_Click();
        CHECK(Texts(m.dialogs) ==
              std::vector<std::string>{kAskApply, "Error writing to the registry"});
        CHECK(m.dialogs.shown[1].flags == kMbIconError);

        // After a failed Set Defaults the grid is not rescanned.
        m.frm.Check1_Click();
        m.Step(k800, +2);
        m.dialogs.answers = {kIdYes};
        const int scans = m.display.calls;
        m.frm.cmdReset_Click();
        CHECK(Texts(m.dialogs) ==
              std::vector<std::string>{kAskApply, kWriteError, kAskReset, kWriteError});
        CHECK(m.dialogs.shown[3].flags == kMbIconError);
        CHECK(m.display.calls == scans);
        CHECK(m.frm.RateCaption(k800) == "72");

        CHECK(m.reg.Snapshot() == before.Snapshot());
        CHECK(m.reg.OpenHandles() == 0);
    }
}

TEST_CASE("the customize switch") {
    fake::Machine m;
    m.display.modes = {{32, 640, 480, 75}, {32, 800, 600, 90}, {32, 1024, 768, 60}};
    Load(m);
    constexpr int k640 = 7;
    // Off at start: every spin control disabled, positions at 1.
    for (bool on : m.window.enabled) CHECK_FALSE(on);
    m.window.positions[k800 - 1] = 3;

    m.frm.Check1_Click();  // on
    CHECK(m.frm.blnCustomize());
    for (int row = 1; row <= kRowCount; ++row) {
        CAPTURE(row);
        CHECK(m.window.enabled[row - 1] == (row == k640 || row == k800 || row == k1024));
    }
    CHECK(m.window.positions[k640 - 1] == 4);  // "75"
    CHECK(m.window.positions[k800 - 1] == 3);  // "90" is off the ladder: left as it was
    CHECK(m.frm.RateCaption(k800) == "90");
    m.Step(k800, +1);
    CHECK(m.frm.RateCaption(k800) == "75");  // the position counts, not the label
    m.Step(k640, +1);
    m.Step(k1024, +1);
    m.Step(1, +1);  // an N/A row stays locked
    CHECK(m.frm.RateCaption(1) == "N/A");

    m.frm.Check1_Click();  // off: all disabled, the scan's rates back
    CHECK_FALSE(m.frm.blnCustomize());
    for (bool on : m.window.enabled) CHECK_FALSE(on);
    CHECK(m.frm.RateCaption(k640) == "75");
    CHECK(m.frm.RateCaption(k800) == "90");
    CHECK(m.frm.RateCaption(k1024) == "60");
    CHECK(m.window.captions["Label33"] == "60");

    m.frm.Check1_Click();  // on again, as after the first click
    for (int row = 1; row <= kRowCount; ++row) {
        CHECK(m.window.enabled[row - 1] == (row == k640 || row == k800 || row == k1024));
    }
    CHECK(m.window.positions[k1024 - 1] == 1);
    CHECK(m.window.positions[k800 - 1] == 4);  // kept from the earlier step
}

TEST_CASE("a step past the ladder leaves the label as it is") {
    fake::Machine m;
    Load(m);
    m.window.positions[k1024 - 1] = 8;
    m.frm.StepRate(k1024);
    CHECK(m.frm.RateCaption(k1024) == "60");
    m.window.positions[k1024 - 1] = 0;
    m.frm.StepRate(k1024);
    CHECK(m.frm.RateCaption(k1024) == "60");
    m.frm.StepRate(0);
    m.frm.StepRate(21);
}
