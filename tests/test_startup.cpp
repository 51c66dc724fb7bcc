#include <doctest/doctest.h>

#include "detect/startup.h"
#include "detect/version.h"
#include "fakes.h"

using namespace vexmora;

TEST_CASE("driver version caption from the version resource") {
    using Change = void (*)(fake::VersionFile&);
    const std::tuple<const char*, fake::VersionFile, Change, const char*> cases[] = {
        {"Detonator 45.23", fake::Version(6, 14, 10, 4523), nullptr, "6.14.10.4523 (45.23)"},
        {"65535 stays unsigned", fake::Version(6, 13, 10, 65535), nullptr, "6.13.10.65535 (55.35)"},
        {"short build", fake::Version(1, 0, 0, 123), nullptr, "1.0.0.123 (.1.23)"},
        {"no resource", {}, nullptr, "N/A (N/./A)"},
        {"unreadable", fake::Version(6, 14, 10, 1), [](auto& f) { f.readOk = false; },
         "N/A (N/./A)"},
        {"no root block", fake::Version(6, 14, 10, 1), [](auto& f) { f.queryOk = false; },
         "N/A (N/./A)"},
        {"record claims 16 bytes", fake::Version(6, 14, 10, 1),
         [](auto& f) { f.recordLength = 16; }, "N/A (N/./A)"},
        {"record past the data", fake::Version(6, 14, 10, 1), [](auto& f) { f.recordOffset = 60; },
         "N/A (N/./A)"},
        {"record before the data", fake::Version(6, 14, 10, 1),
         [](auto& f) { f.recordOffset = -8; }, "N/A (N/./A)"},
        {"size beyond 2 GiB", fake::Version(6, 14, 10, 1),
         [](auto& f) { f.claimedSize = 0x80000000u; }, "N/A (N/./A)"},
        {"size without data", {{}, 52}, nullptr, "N/A (N/./A)"},
    };
    for (auto [what, file, change, caption] : cases) {
        CAPTURE(what);
        if (change) change(file);
        fake::System sys;
        sys.files["C:\\x.dll"] = file;
        CHECK(VersionCaption(GetVersionInfo(sys, "C:\\x.dll")) == caption);
    }
}

TEST_CASE("start-up: the information lines, or one stop box and the end") {
    const std::string os = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
    const std::string map = "HARDWARE\\DEVICEMAP\\VIDEO";
    using Change = void (*)(fake::Machine&, const std::string&, const std::string&);
    const std::tuple<const char*, const char*, Change, const char*, const char*> cases[] = {
        {"Windows XP", "5.1", nullptr, "",
         "Windows XP|6.14.10.4523 (45.23)|NVIDIA GeForce4 Ti 4200"},
        {"Windows 2000 never reads the device map", "5.0",
         [](fake::Machine& m, auto&, auto& map) { m.reg.PutString(map, "\\Device\\Video0", "x"); },
         "", "Windows 2000|6.14.10.4523 (45.23)|NVIDIA GeForce4 Ti 4200"},
        {"the device map's instance is not the key's", "5.1",
         [](fake::Machine& m, auto&, auto& map) {
             const std::string key = m.kXpKey;
             m.reg.PutString(map, "\\Device\\Video0", key.substr(0, key.size() - 1) + "3");
         },
         "", "Windows XP|6.14.10.4523 (45.23)|NVIDIA GeForce4 Ti 4200"},
        {"no system directory: the driver is looked for bare", "5.1",
         [](fake::Machine& m, auto&, auto&) {
             m.sys.systemDir.clear();
             m.sys.files["\\nv4_disp.dll"] = fake::Version(1, 2, 3, 4);
         },
         "", "Windows XP|1.2.3.4 (.3..4)|NVIDIA GeForce4 Ti 4200"},
        {"any non-zero driver check", "5.1",
         [](fake::Machine& m, auto&, auto&) {
             m.reg.PutDword(m.driverKey, "UseCompressedModeFormat", 0xFFFFFFFF);
         },
         "", "Windows XP|6.14.10.4523 (45.23)|NVIDIA GeForce4 Ti 4200"},
        {"description not text", "5.1",
         [](fake::Machine& m, auto&, auto&) {
             m.reg.Put(m.driverKey, "Device Description", kRegExpandSz, {'x', 0});
         },
         "", "Windows XP|6.14.10.4523 (45.23)|"},
        {"Windows Server 2003", "5.2", nullptr, "No compatible Operating System found", "||"},
        {"5.1 and a blank", "5.1 ", nullptr, "No compatible Operating System found", "||"},
        {"version as a number", "5.1",
         [](fake::Machine& m, auto& os, auto&) { m.reg.PutDword(os, "CurrentVersion", 5); },
         "No compatible Operating System found", "||"},
        {"driver check as text", "5.1",
         [](fake::Machine& m, auto&, auto&) {
             m.reg.PutString(m.driverKey, "UseCompressedModeFormat", "1");
         },
         "No compatible Detonator version found", "Windows XP|6.14.10.4523 (45.23)|"},
        {"driver check 0", "5.0",
         [](fake::Machine& m, auto&, auto&) {
             m.reg.PutDword(m.driverKey, "UseCompressedModeFormat", 0);
         },
         "No compatible Detonator version found", "Windows 2000|6.14.10.4523 (45.23)|"},
        {"no device map entry", "5.1",
         [](fake::Machine& m, auto&, auto& map) {
             m.reg.Put(map, "\\Device\\Video0", kRegBinary, {});
         },
         "No compatible Detonator version found", "Windows XP|6.14.10.4523 (45.23)|"},
    };
    for (const auto& [what, version, change, box, lines] : cases) {
        CAPTURE(what);
        fake::Machine m("NVIDIA GeForce4 Ti 4200", version);
        if (change) change(m, os, map);
        CHECK(m.frm.Form_Load() == (*box == '\0'));
        auto& c = m.window.captions;
        CHECK(c["lblOS"] + "|" + c["lblDetVersion"] + "|" + c["lblAdapters"] == lines);
        const std::vector<std::pair<std::string, unsigned>> boxes = {{box, kMbIconError}};
        CHECK(m.dialogs.shown == (*box ? boxes : decltype(boxes){}));
        CHECK(m.Rate(9) == "60");  // the scan ran first
        CHECK(m.reg.handles.empty());
    }
}
