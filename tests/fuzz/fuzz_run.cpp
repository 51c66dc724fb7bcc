// A whole run: the input decodes into a machine (the values the load event reads, the
// driver DLL's version block, the display modes, the answers to each box) and a sequence
// of user actions; after every action the invariants a user relies on are checked.
#include <fuzzer/FuzzedDataProvider.h>

#include <cctype>
#include <cstdlib>

#include "catalogue/adapters.h"
#include "delta/actions.h"
#include "delta/modes_delta.h"
#include "detect/startup.h"
#include "fakes.h"
#include "registry/settings.h"

namespace {

using namespace vexmora;

void Require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// A value the load event reads: as the machine has it, missing, or anything at all.
void Spoil(FuzzedDataProvider& in, fake::Registry& reg, const std::string& path,
           const std::string& name) {
    switch (in.ConsumeIntegralInRange(0, 3)) {
        case 0: return;
        case 1: reg.keys["hklm\\" + Lower(path)].erase(Lower(name)); return;
        case 2: reg.PutString(path, name, in.ConsumeRandomLengthString(48)); return;
        default:
            reg.Put(path, name, in.ConsumeIntegralInRange<std::uint32_t>(0, 8),
                    in.ConsumeBytes<std::uint8_t>(in.ConsumeIntegralInRange(0, 12)));
    }
}

bool Decimal(const std::string& s) {
    return !s.empty() && s[0] != '0' && s.find_first_not_of("0123456789") == std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const auto table = AdapterTable();
    const std::string adapter =
        in.ConsumeBool() ? table[in.ConsumeIntegralInRange<std::size_t>(0, 31)].description
                         : in.ConsumeRandomLengthString(40);
    fake::Machine m(adapter, in.ConsumeBool() ? "5.1" : "5.0");
    fake::Dialogs& dialogs = m.dialogs;
    FrmMain& frm = m.frm;
    Spoil(in, m.reg, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", "CurrentVersion");
    Spoil(in, m.reg, "HARDWARE\\DEVICEMAP\\VIDEO", "\\Device\\Video0");
    Spoil(in, m.reg, m.driverKey, "UseCompressedModeFormat");
    Spoil(in, m.reg, m.driverKey, "Device Description");
    fake::VersionFile& file = m.sys.files["C:\\WINDOWS\\System32\\nv4_disp.dll"];
    if (in.ConsumeBool()) {
        file.data = in.ConsumeBytes<std::uint8_t>(in.ConsumeIntegralInRange(0, 120));
        file.claimedSize = in.ConsumeIntegral<std::uint32_t>();
        file.readOk = in.ConsumeBool();
        file.queryOk = in.ConsumeBool();
        file.recordOffset = in.ConsumeIntegralInRange<std::int64_t>(-64, 128);
        file.recordLength = in.ConsumeIntegral<std::uint32_t>();
    }
    m.display.modes.clear();
    for (int n = in.ConsumeIntegralInRange(0, 12); n > 0; --n) {
        const ResolutionRow& row = kRows[in.ConsumeIntegralInRange(0, kRowCount - 1)];
        const bool exact = in.ConsumeBool();
        m.display.modes.push_back(
            {in.ConsumeIntegral<std::uint32_t>(),
             exact ? std::uint32_t(row.width) : in.ConsumeIntegral<std::uint32_t>(),
             exact ? std::uint32_t(row.height) : in.ConsumeIntegral<std::uint32_t>(),
             in.ConsumeIntegral<std::uint32_t>()});
    }
    for (int n = in.ConsumeIntegralInRange(0, 8); n > 0; --n) {
        dialogs.answers.push_back(in.ConsumeBool() ? kIdYes : kIdNo);
    }

    if (!frm.Form_Load()) {
        Require(dialogs.shown.size() == 1 && dialogs.shown[0].second == kMbIconError,
                "a machine that does not fit gets one stop box");
        Require(m.reg.handles.empty(), "every key opened is closed");
        return 0;
    }
    // Where the program writes, if anywhere: the catalogue's value under the driver key.
    const std::string os =
        GetSettingString(m.reg, kHKeyLocalMachine,
                         "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", "CurrentVersion");
    const std::string driverKey =
        os == "5.0"
            ? fake::Machine::k2000Key
            : XpDriverKey(GetSettingString(m.reg, kHKeyLocalMachine, "HARDWARE\\DEVICEMAP\\VIDEO",
                                           "\\Device\\Video0"));
    const AdapterProfile* profile = FindAdapter(m.window.captions["lblAdapters"]);
    bool customizing = false;
    while (in.remaining_bytes() > 0 && !m.window.ended) {
        const auto before = m.reg.keys;
        const std::size_t boxes = dialogs.shown.size();
        // An action asks at most one question; this is the answer it will get.
        const int answer = dialogs.answers.empty() ? kIdNo : dialogs.answers.front();
        RateLabels labels;
        for (int row = 1; row <= kRowCount; ++row) labels[row - 1] = m.Rate(row);
        const int action = in.ConsumeIntegralInRange(0, 7);
        switch (action) {
            case 0:
            case 1: m.Step(in.ConsumeIntegralInRange(1, kRowCount), action == 0 ? 1 : -1); break;
            case 2: frm.Check1_Click(), customizing = !customizing; break;
            case 3: frm.cmdApply_Click(); break;
            case 4: frm.cmdReset_Click(); break;
            case 5: frm.mnuTopics_Click(); break;
            case 6: frm.mnuAbout_Click(); break;
            default: frm.mnuExit_Click();
        }
        for (int row = 1; row <= kRowCount; ++row) {
            const std::string label = m.Rate(row);
            Require(label == "N/A" || LadderPosition(label) || Decimal(label),
                    "a rate label is a ladder rate, a positive decimal or N/A");
            Require(!m.window.enabled[row - 1] || (customizing && label != "N/A"),
                    "a spin control is open only while customizing, and not on an N/A row");
        }
        Require(m.reg.handles.empty(), "every key opened is closed");
        bool asked = false;
        for (std::size_t i = boxes; i < dialogs.shown.size(); ++i)
            asked |= dialogs.shown[i].second == kMbYesNo;
        const bool yes = asked && answer == kIdYes;
        auto after = before;
        std::string written;
        if (yes && profile != nullptr) {
            const auto& values = m.reg.keys["hklm\\" + Lower(driverKey)];
            const auto value = values.find(Lower(profile->valueName));
            if (value != values.end()) {
                written.assign(value->second.second.begin(), value->second.second.end());
                fake::Registry expected;
                expected.keys = before;
                expected.Put(driverKey, profile->valueName, value->second.first,
                             value->second.second);
                after = expected.keys;
            }
        }
        Require(m.reg.keys == after, "only the adapter's value changes, and only after a Yes");
        for (std::size_t i = boxes; i < dialogs.shown.size(); ++i) {
            const std::string& text = dialogs.shown[i].first;
            std::array<std::string, kRowCount> tokens;
            for (int row = 0; row < kRowCount; ++row) tokens[row] = CalcRates(labels[row]);
            if (text == kApplied) {
                Require(written == BuildModesDelta(tokens, profile->factoryDelta) + '\0',
                        "the success box comes only with the composed string written");
            }
            if (text == kResetDone) {
                Require(written == std::string(profile->factoryDelta) + '\0',
                        "the reset box comes only with the factory string written");
            }
        }
    }
    return 0;
}
