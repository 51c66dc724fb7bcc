// A whole run: the input decodes into a machine (the values the load event reads, the
// driver DLL's version block, the display modes, the answers to each box, which platform
// call fails) and a sequence of user actions; after every action the invariants a user
// relies on are checked. Every byte is read from the input's end, one per choice, so a
// seed is its choices written backwards; the seeds replay one typical use with each of
// its platform calls failing in turn.
#include <fuzzer/FuzzedDataProvider.h>

#include <optional>

#include "catalogue/adapters.h"
#include "delta/actions.h"
#include "delta/modes_delta.h"
#include "fakes.h"
#include "platform/messages.h"

namespace {

using namespace vexmora;
using fake::Lower;
using fake::Require;

// The value as stored, if it is there.
std::optional<fake::Registry::Value> Stored(const fake::Registry::Keys& keys,
                                            const std::string& key, const std::string& name) {
    const auto k = keys.find("hklm\\" + Lower(key));
    if (k == keys.end() || !k->second.count(Lower(name))) return std::nullopt;
    return k->second.at(Lower(name));
}

// The registry with that one value taken out.
fake::Registry::Keys Without(fake::Registry::Keys keys, const std::string& key,
                             const std::string& name) {
    keys["hklm\\" + Lower(key)].erase(Lower(name));
    return keys;
}

// The value is text that begins with the twenty rows, the tokens of these captions in order
// (the tokens themselves are held byte for byte by the unit tests).
bool Shows(const fake::Registry::Value& value, const RateLabels& labels) {
    std::string rows = "S ";
    for (int i = 0; i < kRowCount; ++i) {
        rows += std::to_string(kRows[i].width) + "," + std::to_string(kRows[i].height) + ",-," +
                CalcRates(labels[i]) + ";";
    }
    return value.first == kRegSz && value.second.size() > rows.size() &&
           std::equal(rows.begin(), rows.end(), value.second.begin());
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
        in.ConsumeBool()
            ? table[in.ConsumeIntegralInRange<std::size_t>(0, table.size() - 1)].description
            : in.ConsumeRandomLengthString(40);
    fake::Machine m(adapter, in.ConsumeBool() ? "5.1" : "5.0");
    m.faults.failAt = in.ConsumeIntegralInRange(0, 255);  // 0: every call succeeds
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
    if (in.ConsumeBool()) {
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
    }
    if (in.ConsumeBool()) m.help.files.insert("C:\\Vexmora\\vexmhelp.chm");
    for (int n = in.ConsumeIntegralInRange(0, 8); n > 0; --n) {
        dialogs.answers.push_back(in.ConsumeBool() ? kIdYes : kIdNo);
    }

    if (!frm.Form_Load()) {
        Require(dialogs.shown.size() == 1 && dialogs.shown[0].second == BoxKind::Stop,
                "a machine that does not fit gets one stop box");
        Require(m.reg.handles.empty(), "every key opened is closed");
        return 0;
    }
    // The one value the program may write: the adapter's, in the machine's driver key.
    const AdapterProfile* profile = FindAdapter(m.window.captions["lblAdapters"]);
    const std::string name = profile != nullptr ? profile->valueName : "";
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
        bool asked = false, applied = false, reset = false;
        for (std::size_t i = boxes; i < dialogs.shown.size(); ++i) {
            asked |= dialogs.shown[i].second == BoxKind::Question;
            applied |= dialogs.shown[i].first == kApplied.text;
            reset |= dialogs.shown[i].first == kResetDone.text;
        }
        Require(Without(m.reg.keys, m.driverKey, name) == Without(before, m.driverKey, name),
                "nothing changes but the adapter's value in the driver key");
        const auto value = Stored(m.reg.keys, m.driverKey, name);
        const bool changed = value != Stored(before, m.driverKey, name);
        Require(!changed || (asked && answer == kIdYes), "the value changes only after a Yes");
        Require(!changed || applied || reset, "a changed value is reported as written");
        Require(!applied || (value && Shows(*value, labels)),
                "the success box comes only with what the grid showed written");
        const std::string factory = profile != nullptr ? profile->factoryDelta : "";
        const std::vector<std::uint8_t> sz(factory.c_str(), factory.c_str() + factory.size() + 1);
        Require(!reset || value == fake::Registry::Value{kRegSz, sz},
                "the reset box comes only with the factory string written");
    }
    return 0;
}
