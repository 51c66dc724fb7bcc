#pragma once
// In-memory stand-ins for the Windows services, shared by every host test, and a whole
// machine around one main window.

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <map>
#include <numeric>
#include <set>
#include <vector>

#include "app/frm_main.h"

namespace vexmora::fake {

// Registry keys and value names as the fake registry files them.
inline std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// The platform calls of a run, counted across the fakes; the failAt-th fails (0: none).
struct Faults {
    int calls = 0, failAt = 0;
};
struct Injected {
    Faults* faults = nullptr;
    bool Failing() { return faults != nullptr && ++faults->calls == faults->failAt; }
};

// A fuzz target's invariant: a broken one ends the run with its name.
inline void Require(bool holds, const char* what) {
    if (!holds) std::fprintf(stderr, "invariant broken: %s\n", what), std::abort();
}

// Keys and values match without regard to case, as in Windows; values are raw bytes with
// a type, so malformed data exists here as it does there.
class Registry : public RegistryApi, public Injected {
public:
    using Value = std::pair<std::uint32_t, std::vector<std::uint8_t>>;
    using Keys = std::map<std::string, std::map<std::string, Value>>;
    Keys keys;
    std::map<RegKey, std::string> handles;
    bool refuseWrites = false;  // creates and sets answer ERROR_ACCESS_DENIED

    long Open(RegKey root, const std::string& path, RegKey* key) override {
        if (Failing()) return kErrorFileNotFound;
        return keys.count(Path(root, path)) ? Handle(Path(root, path), key) : kErrorFileNotFound;
    }
    long Create(RegKey root, const std::string& path, RegKey* key) override {
        if (refuseWrites || Failing()) return 5;
        return Handle(Touch(Path(root, path)), key);
    }
    long QueryValue(RegKey key, const std::string& name, std::uint32_t* type, std::uint8_t* data,
                    std::uint32_t* size) override {
        if (!handles.count(key) || Failing()) return kErrorInvalidHandle;
        auto& values = keys[handles[key]];
        if (!values.count(Lower(name))) return kErrorFileNotFound;
        const Value& v = values[Lower(name)];
        const auto needed = static_cast<std::uint32_t>(v.second.size());
        if (type != nullptr) *type = v.first;
        const bool fits = data == nullptr || *size >= needed;
        if (data != nullptr && fits) std::copy(v.second.begin(), v.second.end(), data);
        *size = needed;
        return fits ? kErrorSuccess : kErrorMoreData;
    }
    long SetValue(RegKey key, const std::string& name, std::uint32_t type, const std::uint8_t* data,
                  std::uint32_t size) override {
        if (refuseWrites || Failing()) return 5;
        keys[handles.at(key)][Lower(name)] = {type, {data, data + size}};
        return kErrorSuccess;
    }
    // Subkey names come back lower-cased: the fake files every name so.
    long EnumKey(RegKey key, std::uint32_t index, std::string* name) override {
        if (!handles.count(key) || Failing()) return kErrorInvalidHandle;
        const std::string parent = handles[key] + "\\";
        for (auto k = keys.lower_bound(parent); k != keys.end(); ++k) {
            if (k->first.compare(0, parent.size(), parent) != 0) break;
            if (k->first.find('\\', parent.size()) == std::string::npos && index-- == 0) {
                *name = k->first.substr(parent.size());
                return kErrorSuccess;
            }
        }
        return kErrorNoMoreItems;
    }
    // A close that fails still counts as closed: the program did its part.
    long Close(RegKey key) override {
        return handles.erase(key) && !Failing() ? kErrorSuccess : kErrorInvalidHandle;
    }

    // Seeding, by path under HKEY_LOCAL_MACHINE, past any refusal.
    void Put(const std::string& path, const std::string& name, std::uint32_t type,
             std::vector<std::uint8_t> bytes) {
        keys[Touch("hklm\\" + Lower(path))][Lower(name)] = {type, std::move(bytes)};
    }
    void PutString(const std::string& path, const std::string& name, const std::string& text) {
        Put(path, name, kRegSz, {text.c_str(), text.c_str() + text.size() + 1});
    }
    void PutDword(const std::string& path, const std::string& name, std::uint32_t v) {
        Put(path, name, kRegDword,
            {std::uint8_t(v), std::uint8_t(v >> 8), std::uint8_t(v >> 16), std::uint8_t(v >> 24)});
    }

private:
    std::string Path(RegKey root, const std::string& path) const {
        const std::string base = root == kHKeyLocalMachine  ? "hklm"
                                 : root == kHKeyCurrentUser ? "hkcu"
                                                            : handles.at(root);
        return path.empty() ? base : base + "\\" + Lower(path);
    }
    // Creates the key and every missing parent.
    const std::string& Touch(const std::string& full) {
        for (std::size_t at = full.find('\\'); at != std::string::npos;
             at = full.find('\\', at + 1)) {
            keys[full.substr(0, at)];
        }
        return keys.emplace(full, std::map<std::string, Value>{}).first->first;
    }
    long Handle(const std::string& path, RegKey* key) {
        handles[*key = next_++] = path;
        return kErrorSuccess;
    }
    RegKey next_ = 0x1000;
};

// One version resource: what GetFileVersionInfoSizeA claims and where VerQueryValueA points.
struct VersionFile {
    std::vector<std::uint8_t> data;
    std::uint32_t claimedSize = 0;
    bool readOk = true, queryOk = true;
    std::int64_t recordOffset = 40;
    std::uint32_t recordLength = 52;
};

inline VersionFile Version(std::uint16_t a, std::uint16_t b, std::uint16_t c, std::uint16_t d) {
    VersionFile file{std::vector<std::uint8_t>(92), 92};
    const std::uint32_t words[] = {0xFEEF04BD, 0x00010000, std::uint32_t(a) << 16 | b,
                                   std::uint32_t(c) << 16 | d};
    std::memcpy(file.data.data() + 40, words, sizeof words);
    return file;
}

class System : public SystemApi, public Injected {
public:
    std::string systemDir = "C:\\WINDOWS\\System32";  // empty: the call fails
    std::map<std::string, VersionFile> files;

    std::uint32_t SystemDirectory(char* buffer, std::uint32_t size) override {
        if (systemDir.size() >= size || Failing()) return 0;
        std::memcpy(buffer, systemDir.c_str(), systemDir.size() + 1);
        return static_cast<std::uint32_t>(systemDir.size());
    }
    std::uint32_t VersionInfoSize(const std::string& file) override {
        return files.count(file) && !Failing() ? files[file].claimedSize : 0;
    }
    bool VersionInfo(const std::string& file, std::uint32_t size, void* data) override {
        current_ = files.count(file) && files[file].readOk && !Failing() ? &files[file] : nullptr;
        const std::size_t n = current_ ? std::min<std::size_t>(size, current_->data.size()) : 0;
        if (n != 0) std::memcpy(data, current_->data.data(), n);
        return current_ != nullptr;
    }
    bool QueryVersionValue(const void* block, const std::string& subBlock, const void** value,
                           std::uint32_t* length) override {
        if (current_ == nullptr || !current_->queryOk || subBlock != "\\" || Failing())
            return false;
        // Through an integer: a lying resource may point outside the block.
        *value = reinterpret_cast<const void*>(reinterpret_cast<std::uintptr_t>(block) +
                                               std::uintptr_t(current_->recordOffset));
        *length = current_->recordLength;
        return true;
    }

private:
    const VersionFile* current_ = nullptr;
};

struct Display : DisplayModesApi, Injected {
    std::vector<DisplayMode> modes;
    std::vector<std::pair<std::string, DisplayDevice>> devices;  // each under its parent
    bool EnumDevice(const std::string& parent, std::uint32_t index, DisplayDevice* d) override {
        for (const auto& [under, device] : devices)
            if (under == parent && index-- == 0) return *d = device, !Failing();
        return false;
    }
    bool EnumMode(std::int32_t index, DisplayMode* mode) override {
        if (index < 0 || std::size_t(index) >= modes.size() || Failing()) return false;
        *mode = modes[index];
        return true;
    }
};

struct Dialogs : DialogsApi {
    std::vector<std::pair<std::string, BoxKind>> shown;
    std::deque<int> answers;  // to Yes/No questions, in order; none left answers No
    int Box(const std::string& text, BoxKind kind) override {
        shown.emplace_back(text, kind);
        if (kind != BoxKind::Question && kind != BoxKind::WarningQuestion) return kIdOk;
        const int answer = answers.empty() ? kIdNo : answers.front();
        if (!answers.empty()) answers.pop_front();
        return answer;
    }
};

struct Help : HelpApi, Injected {
    std::set<std::string> files;
    std::uintptr_t viewer = 0x4242;
    std::vector<std::string> opened;  // path and command of each call
    std::string folder = "C:\\Vexmora";
    std::string ProgramFolder() override { return folder; }
    bool OrdinaryFileExists(const std::string& path) override { return files.count(path) != 0; }
    std::uintptr_t HtmlHelp(std::uintptr_t, const std::string& path, unsigned command,
                            std::uintptr_t data) override {
        opened.push_back(path + " " + std::to_string(command) + " " + std::to_string(data));
        return Failing() ? 0 : viewer;
    }
};

struct Window : MainWindowApi {
    std::map<std::string, std::string> captions;  // "lblOS", "Label25", ...
    std::array<int, kRowCount> positions;
    std::array<bool, kRowCount> enabled{};
    bool aboutOpens = true, ended = false;
    Window() { positions.fill(1); }

    void SetCaption(LabelId label, int row, const std::string& text) override {
        const char* names[] = {"lblAdapters", "lblOS", "lblDetVersion"};
        captions[label == LabelId::Rate ? "Label" + std::to_string(24 + row)
                                        : names[static_cast<int>(label)]] = text;
    }
    int SpinPosition(int row) override { return positions[row - 1]; }
    void SetSpinPosition(int row, int position) override { positions[row - 1] = position; }
    void EnableSpin(int row, bool on) override { enabled[row - 1] = on; }
    bool ShowAbout() override { return aboutOpens; }
    void EndProgram() override { ended = true; }
};

// The EDID with the last byte of the block at this offset set so that its 128 bytes sum to 0.
inline std::vector<std::uint8_t> Checksummed(std::vector<std::uint8_t> e, std::size_t at = 0) {
    const auto block = e.begin() + std::ptrdiff_t(at);
    block[127] = std::uint8_t(block[127] - std::accumulate(block, block + 128, 0) % 256);
    return e;
}

// An EDID base block: the header, version 1.revision, a detailed timing (at 54, or 72 when
// the range is at 54), a range limits descriptor in the slot at byte at with these offset
// flags and maxima unless tag says otherwise, and the checksum that makes it sum to 0.
inline std::vector<std::uint8_t> Edid(int revision, int flags, int maxV, int maxH, int tag = 0xFD,
                                      std::size_t at = 72) {
    std::vector<std::uint8_t> e = {0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0};
    e.resize(128);
    e[18] = 1, e[19] = std::uint8_t(revision), e[at == 54 ? 72 : 54] = 0x40;
    e[at + 3] = std::uint8_t(tag), e[at + 4] = std::uint8_t(flags), e[at + 6] = std::uint8_t(maxV);
    e[at + 8] = std::uint8_t(maxH);
    return Checksummed(e);
}

// Windows XP ("5.1") or 2000 ("5.0") with the adapter, a Detonator 45.23 driver, and
// 800 x 600 and 1024 x 768 offered at 60 Hz; a user who clicks.
struct Machine {
    static constexpr const char* kXpKey =
        "SYSTEM\\CurrentControlSet\\Control\\Video\\{23A77BF7-ED96-40EC-AF06-9B1F4867732A}\\0000";
    static constexpr const char* k2000Key = "SYSTEM\\CurrentControlSet\\Services\\nv4\\Device0";
    std::string driverKey;
    Registry reg;
    System sys;
    Display display;
    Dialogs dialogs;
    Help help;
    Window window;
    Faults faults;
    FrmMain frm{Platform{reg, sys, display, dialogs, help}, window};

    explicit Machine(const std::string& adapter = "NVIDIA GeForce4 Ti 4200",
                     const std::string& os = "5.1")
        : driverKey(os == "5.0" ? k2000Key : kXpKey) {
        reg.PutString("SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", "CurrentVersion", os);
        reg.PutString("HARDWARE\\DEVICEMAP\\VIDEO", "\\Device\\Video0",
                      std::string("\\Registry\\Machine\\") + kXpKey);
        reg.PutDword(driverKey, "UseCompressedModeFormat", 1);
        reg.PutString(driverKey, "Device Description", adapter);
        sys.files["C:\\WINDOWS\\System32\\nv4_disp.dll"] = Version(6, 14, 10, 4523);
        display.modes = {{32, 800, 600, 60}, {32, 1024, 768, 60}};
        reg.faults = sys.faults = display.faults = help.faults = &faults;
    }
    std::string Rate(int row) { return window.captions["Label" + std::to_string(24 + row)]; }
    // A click on a spin arrow (+1 up, -1 down): like the real control, it reports its
    // position also when the end of the range keeps it where it was.
    void Step(int row, int delta) {
        if (!window.enabled[row - 1]) return;
        window.positions[row - 1] = std::clamp(window.positions[row - 1] + delta, 1, 7);
        frm.StepRate(row);
    }
};

}  // namespace vexmora::fake
