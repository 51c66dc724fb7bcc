#pragma once
// In-memory stand-ins for the Windows services, shared by every host test.

#include <cstdint>
#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "grid/frm_main.h"

namespace vexmora::fake {

struct Value {
    std::uint32_t type = 0;
    std::vector<std::uint8_t> bytes;
    bool operator==(const Value& o) const { return type == o.type && bytes == o.bytes; }
};

// Keys and values are matched without regard to case, as Windows does; values are
// raw bytes with a type, so malformed data exists here as it does in Windows.
class Registry : public RegistryApi {
public:
    using Keys = std::map<std::string, std::map<std::string, Value>>;

    long Open(RegKey root, const std::string& path, RegKey* key) override;
    long Create(RegKey root, const std::string& path, RegKey* key) override;
    long QueryValue(RegKey key, const std::string& name, std::uint32_t* type, std::uint8_t* data,
                    std::uint32_t* size) override;
    long SetValue(RegKey key, const std::string& name, std::uint32_t type, const std::uint8_t* data,
                  std::uint32_t size) override;
    long Close(RegKey key) override;

    // Seeding and inspection for tests, by full path under HKEY_LOCAL_MACHINE.
    void Put(const std::string& path, const std::string& name, std::uint32_t type,
             const std::vector<std::uint8_t>& bytes);
    void PutString(const std::string& path, const std::string& name, const std::string& text);
    void PutDword(const std::string& path, const std::string& name, std::uint32_t value);
    const Value* Find(const std::string& path, const std::string& name) const;
    const Keys& Snapshot() const { return keys_; }
    std::size_t OpenHandles() const { return handles_.size(); }

    // Every create or set fails with ERROR_ACCESS_DENIED, as for a user without rights.
    bool refuseWrites = false;

private:
    std::string FullPath(RegKey root, const std::string& path) const;
    Keys keys_;
    std::map<RegKey, std::string> handles_;
    RegKey next_ = 0x1000;
};

class System : public SystemApi {
public:
    struct VersionFile {
        std::vector<std::uint8_t> data;
        std::uint32_t claimedSize = 0;  // what GetFileVersionInfoSizeA answers
        bool readOk = true;
        bool queryOk = true;
        std::int64_t recordOffset = 0;    // where VerQueryValueA points, from the block start
        std::uint32_t recordLength = 52;  // the length it claims
    };

    std::uint32_t SystemDirectory(char* buffer, std::uint32_t size) override;
    std::uint32_t VersionInfoSize(const std::string& file) override;
    bool VersionInfo(const std::string& file, std::uint32_t size, void* data) override;
    bool QueryVersionValue(const void* block, const std::string& subBlock, const void** value,
                           std::uint32_t* length) override;

    // A well-formed resource with this four-part version.
    static VersionFile Version(std::uint16_t a, std::uint16_t b, std::uint16_t c, std::uint16_t d);

    std::string systemDir = "C:\\WINDOWS\\System32";
    bool systemDirFails = false;
    std::map<std::string, VersionFile> files;
    std::vector<std::string> asked;

private:
    const VersionFile* current_ = nullptr;
};

class Display : public DisplayModesApi {
public:
    bool EnumMode(std::int32_t index, DisplayMode* mode) override;
    std::vector<DisplayMode> modes;
    int calls = 0;
};

struct Box {
    std::string text;
    std::string title;
    unsigned flags;
};

class Dialogs : public DialogsApi {
public:
    int Show(const std::string& text, const std::string& title, unsigned flags) override;
    std::vector<Box> shown;
    // Answers to Yes/No questions, in order; a question with none left is answered No.
    std::deque<int> answers;
};

class Help : public HelpApi {
public:
    std::string ProgramFolder() override { return folder; }
    bool OrdinaryFileExists(const std::string& path) override { return files.count(path) != 0; }
    std::uintptr_t HtmlHelp(std::uintptr_t owner, const std::string& path, unsigned command,
                            std::uintptr_t data) override;

    struct Call {
        std::uintptr_t owner;
        std::string path;
        unsigned command;
        std::uintptr_t data;
    };
    std::string folder = "C:\\Program Files\\Vexmora";
    std::set<std::string> files;
    std::uintptr_t viewer = 0x4242;
    std::vector<Call> calls;
};

class Window : public MainWindowApi {
public:
    void SetCaption(LabelId label, int row, const std::string& text) override;
    int SpinPosition(int row) override { return positions[row - 1]; }
    void SetSpinPosition(int row, int position) override { positions[row - 1] = position; }
    void EnableSpin(int row, bool on) override { enabled[row - 1] = on; }
    void ShowAbout() override { ++aboutShown; }
    void EndProgram() override { ended = true; }

    std::map<std::string, std::string> captions;  // "lblOS", "Label25", ...
    int positions[20] = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    bool enabled[20] = {};
    int aboutShown = 0;
    bool ended = false;
};

// A whole machine around one main window: seeded like a Windows XP or 2000 box with an
// NVIDIA adapter, and a user who clicks.
struct Machine {
    std::string os;  // "CurrentVersion" at construction: "5.1" or "5.0"
    Registry reg;
    System sys;
    Display display;
    Dialogs dialogs;
    Help help;
    Window window;
    FrmMain frm{Platform{reg, sys, display, dialogs, help}, window};

    static constexpr const char* kGuid = "{23A77BF7-ED96-40EC-AF06-9B1F4867732A}";
    static constexpr const char* kXpDriverKey =
        "SYSTEM\\CurrentControlSet\\Control\\Video\\{23A77BF7-ED96-40EC-AF06-9B1F4867732A}\\0000";
    static constexpr const char* kWin2000DriverKey =
        "SYSTEM\\CurrentControlSet\\Services\\nv4\\Device0";

    // Windows XP (or "5.0" for 2000) with the adapter, a Detonator 45.23 driver and 1024 x 768
    // and 800 x 600 offered at 60 Hz.
    explicit Machine(const std::string& adapter = "NVIDIA GeForce4 Ti 4200",
                     const std::string& os = "5.1");
    std::string DriverKey() const;

    // The user clicks a spin arrow: +1 up, -1 down. Nothing happens on a disabled control.
    void Step(int row, int delta);
};

std::vector<std::uint8_t> Bytes(const std::string& text);

}  // namespace vexmora::fake
