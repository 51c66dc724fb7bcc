#include <doctest/doctest.h>

#include "detect/startup.h"
#include "detect/version.h"
#include "fakes.h"
#include "platform/messages.h"

#include <fstream>

using namespace vexmora;

TEST_CASE("driver version caption from the version resource") {
    using Change = void (*)(fake::VersionFile&);
    const fake::VersionFile v = fake::Version(6, 14, 10, 1);
    const char* na = "N/A (N/./A)";
    const std::tuple<const char*, fake::VersionFile, Change, const char*> cases[] = {
        {"Detonator 45.23", fake::Version(6, 14, 10, 4523), nullptr, "6.14.10.4523 (45.23)"},
        {"65535 stays unsigned", fake::Version(6, 13, 10, 65535), nullptr, "6.13.10.65535 (55.35)"},
        {"short build", fake::Version(1, 0, 0, 123), nullptr, "1.0.0.123 (.1.23)"},
        {"no resource", {}, nullptr, na},
        {"unreadable", v, [](auto& f) { f.readOk = false; }, na},
        {"no root block", v, [](auto& f) { f.queryOk = false; }, na},
        {"record claims 16 bytes", v, [](auto& f) { f.recordLength = 16; }, na},
        {"record past the data", v, [](auto& f) { f.recordOffset = 60; }, na},
        {"record before the data", v, [](auto& f) { f.recordOffset = -8; }, na},
        {"size beyond 2 GiB", v, [](auto& f) { f.claimedSize = 0x80000000u; }, na},
        {"size without data", {{}, 52}, nullptr, na},
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
    using namespace std::string_literals;
    // Where a row changes the machine: no value, or one value put in one of these keys.
    enum Where { None, Os, Map, Driver, NoSystemDir };
    struct Row {
        const char* what;
        const char* version;
        Where where;
        const char* name;
        std::uint32_t type;
        std::string bytes;
        const char* box;
        const char* lines;
    };
    const char* fits = "Windows XP|6.14.10.4523 (45.23)|NVIDIA GeForce4 Ti 4200";
    const char* noOs = "No compatible Operating System found";
    const char* noDriver = "No compatible Detonator version found";
    const Row rows[] = {
        {"Windows XP", "5.1", None, "", 0, "", "", fits},
        {"Windows 2000 never reads the device map", "5.0", Map, "\\Device\\Video0", kRegSz, "x\0"s,
         "", "Windows 2000|6.14.10.4523 (45.23)|NVIDIA GeForce4 Ti 4200"},
        {"the device map's instance is not the key's", "5.1", Map, "\\Device\\Video0", kRegSz,
         "\\Registry\\Machine\\SYSTEM\\CurrentControlSet\\Control\\Video\\"
         "{23A77BF7-ED96-40EC-AF06-9B1F4867732A}\\0003\0"s,
         "", fits},
        {"no system directory: the driver is looked for bare", "5.1", NoSystemDir, "", 0, "", "",
         "Windows XP|1.2.3.4 (.3..4)|NVIDIA GeForce4 Ti 4200"},
        {"any non-zero driver check", "5.1", Driver, "UseCompressedModeFormat", kRegDword,
         "\xFF\xFF\xFF\xFF", "", fits},
        {"description not text", "5.1", Driver, "Device Description", kRegExpandSz, "x\0"s, "",
         "Windows XP|6.14.10.4523 (45.23)|"},
        {"Windows Server 2003", "5.2", None, "", 0, "", noOs, "||"},
        {"5.1 and a blank", "5.1 ", None, "", 0, "", noOs, "||"},
        {"version as a number", "5.1", Os, "CurrentVersion", kRegDword, "\5\0\0\0"s, noOs, "||"},
        {"driver check as text", "5.1", Driver, "UseCompressedModeFormat", kRegSz, "1\0"s, noDriver,
         "Windows XP|6.14.10.4523 (45.23)|"},
        {"driver check 0", "5.0", Driver, "UseCompressedModeFormat", kRegDword, "\0\0\0\0"s,
         noDriver, "Windows 2000|6.14.10.4523 (45.23)|"},
        {"no device map entry", "5.1", Map, "\\Device\\Video0", kRegBinary, "", noDriver,
         "Windows XP|6.14.10.4523 (45.23)|"},
    };
    for (const Row& row : rows) {
        CAPTURE(row.what);
        fake::Machine m("NVIDIA GeForce4 Ti 4200", row.version);
        const std::string keys[] = {"", "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion",
                                    "HARDWARE\\DEVICEMAP\\VIDEO", m.driverKey};
        if (row.where == NoSystemDir) {
            m.sys.systemDir.clear();
            m.sys.files["\\nv4_disp.dll"] = fake::Version(1, 2, 3, 4);
        } else if (row.where != None) {
            m.reg.Put(keys[row.where], row.name, row.type, {row.bytes.begin(), row.bytes.end()});
        }
        CHECK(m.frm.Form_Load() == (*row.box == '\0'));
        auto& c = m.window.captions;
        CHECK(c["lblOS"] + "|" + c["lblDetVersion"] + "|" + c["lblAdapters"] == row.lines);
        const std::vector<std::pair<std::string, BoxKind>> boxes = {{row.box, BoxKind::Stop}};
        CHECK(m.dialogs.shown == (*row.box ? boxes : decltype(boxes){}));
        CHECK(m.Rate(9) == "60");  // the scan ran first
        CHECK(m.reg.handles.empty());
    }
}

#ifdef VEXMORA_SOURCE_DIR  // on Linux
// A box reworded leaves the help's page of messages behind: each is quoted up to its detail.
TEST_CASE("the help quotes every box") {
    std::ifstream file(VEXMORA_SOURCE_DIR "/docs/help/messages.html");
    const std::string page{std::istreambuf_iterator<char>(file), {}};
    for (const Message& m : {kNoCompatibleOs, kNoCompatibleDriver, kAskApply, kApplied, kAskReset,
                             kResetDone, kWriteError, kBeyondMonitor, kHelpNotFound,
                             kHelpViewerFailed, kAboutFailed, kCannotCreate}) {
        const std::string text = m.text;
        CHECK_MESSAGE(page.find(text.substr(0, text.find("%s"))) != std::string::npos, text);
    }
}
#endif
