#include <doctest/doctest.h>

#include "detect/startup.h"
#include "detect/version.h"
#include "fakes.h"

using namespace vexmora;

namespace {

const std::string kVersionKey = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
const std::string kDll = "C:\\WINDOWS\\System32\\nv4_disp.dll";

}  // namespace

TEST_CASE("driver version text and caption") {
    struct Case {
        const char* what;
        fake::System::VersionFile file;
        const char* version;
        const char* caption;
    };
    auto lying = [](auto change) {
        auto file = fake::System::Version(6, 14, 10, 4523);
        change(file);
        return file;
    };
    const Case cases[] = {
        {"Detonator 45.23", fake::System::Version(6, 14, 10, 4523), "6.14.10.4523",
         "6.14.10.4523 (45.23)"},
        {"zeros are printed", fake::System::Version(1, 0, 0, 0), "1.0.0.0", "1.0.0.0 (.0..0)"},
        {"65535 stays unsigned", fake::System::Version(6, 13, 10, 65535), "6.13.10.65535",
         "6.13.10.65535 (55.35)"},
        {"three-digit build", fake::System::Version(6, 13, 10, 123), "6.13.10.123",
         "6.13.10.123 (.1.23)"},
        {"no version resource", lying([](auto& f) { f.claimedSize = 0; }), "N/A", "N/A (N/./A)"},
        {"resource unreadable", lying([](auto& f) { f.readOk = false; }), "N/A", "N/A (N/./A)"},
        {"no root block", lying([](auto& f) { f.queryOk = false; }), "N/A", "N/A (N/./A)"},
        {"record claims 16 bytes", lying([](auto& f) { f.recordLength = 16; }), "N/A",
         "N/A (N/./A)"},
        {"record runs past the data", lying([](auto& f) { f.recordOffset = 60; }), "N/A",
         "N/A (N/./A)"},
        {"record before the data", lying([](auto& f) { f.recordOffset = -8; }), "N/A",
         "N/A (N/./A)"},
        {"data shorter than a record", lying([](auto& f) {
             f.data.resize(20);
             f.claimedSize = 20;
             f.recordOffset = 0;
         }),
         "N/A", "N/A (N/./A)"},
        {"size beyond 2 GiB", lying([](auto& f) { f.claimedSize = 0x80000000u; }), "N/A",
         "N/A (N/./A)"},
    };
    for (const Case& c : cases) {
        CAPTURE(c.what);
        fake::System sys;
        sys.files[kDll] = c.file;
        CHECK(GetVersionInfo(sys, kDll) == c.version);
        CHECK(VersionCaption(c.version) == c.caption);
    }
    fake::System sys;
    CHECK(GetVersionInfo(sys, "C:\\nowhere.dll") == "N/A");
}

TEST_CASE("system directory") {
    fake::System sys;
    CHECK(GetSystemDir(sys) == "C:\\WINDOWS\\System32");
    sys.systemDir = "C:\\" + std::string(256, 'd');
    REQUIRE(sys.systemDir.size() == 259);
    CHECK(GetSystemDir(sys) == sys.systemDir);
    sys.systemDirFails = true;
    CHECK(GetSystemDir(sys).empty());
}

TEST_CASE("the driver version is looked for in the system directory, or bare without one") {
    fake::Machine m;
    m.sys.systemDirFails = true;
    REQUIRE(m.frm.Form_Load());
    CHECK(m.sys.asked == std::vector<std::string>{"\\nv4_disp.dll"});
    CHECK(m.frm.lblDetVersion() == "N/A (N/./A)");
}

TEST_CASE("driver key from the Windows XP device map") {
    const std::string guid = "{23A77BF7-ED96-40EC-AF06-9B1F4867732A}";
    const std::string video = "SYSTEM\\CurrentControlSet\\Control\\Video\\";
    const std::string kernel = "\\Registry\\Machine\\System\\CurrentControlSet\\Control\\Video\\";
    CHECK(XpDriverKey(kernel + guid + "\\0000") == video + guid + "\\0000");
    CHECK(XpDriverKey(kernel + guid + "\\0003") == video + guid + "\\0000");
    CHECK(XpDriverKey("") == video + "\\0000");
    CHECK(XpDriverKey("short") == video + "short\\0000");
    CHECK(XpDriverKey(std::string(42, 'x')) == video + std::string(38, 'x') + "\\0000");
}

TEST_CASE("start-up on machines that fit") {
    SUBCASE("Windows XP") {
        fake::Machine m;
        REQUIRE(m.frm.Form_Load());
        CHECK(m.frm.lblOS() == "Windows XP");
        CHECK(m.frm.lblDetVersion() == "6.14.10.4523 (45.23)");
        CHECK(m.frm.lblAdapters() == "NVIDIA GeForce4 Ti 4200");
        CHECK(m.frm.strDriverKey() == fake::Machine::kXpDriverKey);
        CHECK(m.window.captions["lblOS"] == "Windows XP");
        CHECK(m.window.captions["lblDetVersion"] == "6.14.10.4523 (45.23)");
        CHECK(m.window.captions["lblAdapters"] == "NVIDIA GeForce4 Ti 4200");
        CHECK(m.dialogs.shown.empty());
    }
    SUBCASE("Windows 2000 never reads the device map") {
        fake::Machine m("NVIDIA RIVA TNT", "5.0");
        m.reg.PutString("HARDWARE\\DEVICEMAP\\VIDEO", "\\Device\\Video0", "garbage");
        REQUIRE(m.frm.Form_Load());
        CHECK(m.frm.lblOS() == "Windows 2000");
        CHECK(m.frm.strDriverKey() == "SYSTEM\\CurrentControlSet\\Services\\nv4\\Device0");
    }
    SUBCASE("any non-zero number passes the driver check") {
        fake::Machine m;
        m.reg.PutDword(m.DriverKey(), "UseCompressedModeFormat", 0xFFFFFFFF);
        CHECK(m.frm.Form_Load());
    }
    SUBCASE("a missing description shows empty and matches no adapter") {
        fake::Machine m;
        m.reg.Put(m.DriverKey(), "Device Description", kRegExpandSz, fake::Bytes("x"));
        REQUIRE(m.frm.Form_Load());
        CHECK(m.frm.lblAdapters().empty());
        CHECK(m.frm.strModesValue().empty());
    }
    SUBCASE("a 100,000-character description is shown whole") {
        fake::Machine m(std::string(100000, 'G'));
        REQUIRE(m.frm.Form_Load());
        CHECK(m.frm.lblAdapters().size() == 100000);
        CHECK(m.frm.strModesValue().empty());
    }
}

TEST_CASE("start-up on machines that do not fit ends after one stop box") {
    struct Case {
        const char* what;
        void (*change)(fake::Machine&);
        const std::string& message;
        bool osShown;
    };
    const Case cases[] = {
        {"Windows Server 2003",
         [](fake::Machine& m) { m.reg.PutString(kVersionKey, "CurrentVersion", "5.2"); },
         kNoCompatibleOs, false},
        {"5.1 with a trailing blank",
         [](fake::Machine& m) { m.reg.PutString(kVersionKey, "CurrentVersion", "5.1 "); },
         kNoCompatibleOs, false},
        {"no version at all",
         [](fake::Machine& m) {
             m.reg.Put(kVersionKey, "CurrentVersion", kRegDword, {5, 0, 0, 0});
         },
         kNoCompatibleOs, false},
        {"driver check stored as text",
         [](fake::Machine& m) { m.reg.PutString(m.DriverKey(), "UseCompressedModeFormat", "1"); },
         kNoCompatibleDriver, true},
        {"driver check 0",
         [](fake::Machine& m) { m.reg.PutDword(m.DriverKey(), "UseCompressedModeFormat", 0); },
         kNoCompatibleDriver, true},
        {"no device map entry",
         [](fake::Machine& m) {
             m.reg.Put("HARDWARE\\DEVICEMAP\\VIDEO", "\\Device\\Video0", kRegBinary, {});
         },
         kNoCompatibleDriver, true},
        {"device map entry shorter than a GUID",
         [](fake::Machine& m) {
             m.reg.PutString("HARDWARE\\DEVICEMAP\\VIDEO", "\\Device\\Video0", "{23A77BF7}");
         },
         kNoCompatibleDriver, true},
    };
    for (const Case& c : cases) {
        CAPTURE(c.what);
        fake::Machine m;
        c.change(m);
        CHECK_FALSE(m.frm.Form_Load());
        REQUIRE(m.dialogs.shown.size() == 1);
        CHECK(m.dialogs.shown[0].text == c.message);
        CHECK(m.dialogs.shown[0].title == "Vexmora");
        CHECK(m.dialogs.shown[0].flags == kMbIconError);
        CHECK(m.frm.lblOS().empty() != c.osShown);
        CHECK(m.frm.lblAdapters().empty());
        // The scan ran first and its labels stay; the catalogue lookup never ran.
        CHECK(m.frm.RateCaption(9) == "60");
        CHECK(m.frm.RateCaption(1) == "N/A");
        CHECK(m.frm.strModesValue().empty());
        CHECK(m.frm.strFactoryDelta().empty());
        CHECK(m.reg.OpenHandles() == 0);
    }
}
