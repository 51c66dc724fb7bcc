#include "fakes.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace vexmora::fake {

namespace {

constexpr long kAccessDenied = 5;

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string RootName(RegKey root) {
    return root == kHKeyCurrentUser ? "hkcu" : root == kHKeyLocalMachine ? "hklm" : "";
}

}  // namespace

std::vector<std::uint8_t> Bytes(const std::string& text) {
    return {text.begin(), text.end()};
}

std::string Registry::FullPath(RegKey root, const std::string& path) const {
    std::string base = RootName(root);
    if (base.empty()) {
        auto it = handles_.find(root);
        if (it == handles_.end()) return {};
        base = it->second;
    }
    return path.empty() ? base : base + "\\" + Lower(path);
}

long Registry::Open(RegKey root, const std::string& path, RegKey* key) {
    const std::string full = FullPath(root, path);
    if (full.empty()) return kErrorInvalidHandle;
    if (keys_.count(full) == 0 && full != "hklm" && full != "hkcu") return kErrorFileNotFound;
    *key = next_++;
    handles_[*key] = full;
    return kErrorSuccess;
}

long Registry::Create(RegKey root, const std::string& path, RegKey* key) {
    const std::string full = FullPath(root, path);
    if (full.empty()) return kErrorInvalidHandle;
    if (refuseWrites) return kAccessDenied;
    for (std::size_t at = full.find('\\'); at != std::string::npos; at = full.find('\\', at + 1)) {
        keys_[full.substr(0, at)];
    }
    keys_[full];
    *key = next_++;
    handles_[*key] = full;
    return kErrorSuccess;
}

long Registry::QueryValue(RegKey key, const std::string& name, std::uint32_t* type,
                          std::uint8_t* data, std::uint32_t* size) {
    auto handle = handles_.find(key);
    if (handle == handles_.end()) return kErrorInvalidHandle;
    auto& values = keys_[handle->second];
    auto it = values.find(Lower(name));
    if (it == values.end()) return kErrorFileNotFound;
    const Value& value = it->second;
    const auto needed = static_cast<std::uint32_t>(value.bytes.size());
    if (type) *type = value.type;
    if (data == nullptr) {
        if (size) *size = needed;
        return kErrorSuccess;
    }
    if (size == nullptr) return kErrorInvalidHandle;
    if (*size < needed) {
        *size = needed;
        return kErrorMoreData;
    }
    std::copy(value.bytes.begin(), value.bytes.end(), data);
    *size = needed;
    return kErrorSuccess;
}

long Registry::SetValue(RegKey key, const std::string& name, std::uint32_t type,
                        const std::uint8_t* data, std::uint32_t size) {
    auto handle = handles_.find(key);
    if (handle == handles_.end()) return kErrorInvalidHandle;
    if (refuseWrites) return kAccessDenied;
    keys_[handle->second][Lower(name)] = Value{type, {data, data + size}};
    return kErrorSuccess;
}

long Registry::Close(RegKey key) {
    return handles_.erase(key) ? kErrorSuccess : kErrorInvalidHandle;
}

void Registry::Put(const std::string& path, const std::string& name, std::uint32_t type,
                   const std::vector<std::uint8_t>& bytes) {
    RegKey key = 0;
    const bool refused = refuseWrites;
    refuseWrites = false;
    Create(kHKeyLocalMachine, path, &key);
    SetValue(key, name, type, bytes.data(), static_cast<std::uint32_t>(bytes.size()));
    Close(key);
    refuseWrites = refused;
}

void Registry::PutString(const std::string& path, const std::string& name,
                         const std::string& text) {
    Put(path, name, kRegSz, Bytes(text + '\0'));
}

void Registry::PutDword(const std::string& path, const std::string& name, std::uint32_t value) {
    Put(path, name, kRegDword,
        {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
         static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)});
}

const Value* Registry::Find(const std::string& path, const std::string& name) const {
    auto key = keys_.find("hklm\\" + Lower(path));
    if (key == keys_.end()) return nullptr;
    auto value = key->second.find(Lower(name));
    return value == key->second.end() ? nullptr : &value->second;
}

std::uint32_t System::SystemDirectory(char* buffer, std::uint32_t size) {
    if (systemDirFails || systemDir.size() >= size) return 0;
    std::memcpy(buffer, systemDir.c_str(), systemDir.size() + 1);
    return static_cast<std::uint32_t>(systemDir.size());
}

std::uint32_t System::VersionInfoSize(const std::string& file) {
    asked.push_back(file);
    auto it = files.find(file);
    return it == files.end() ? 0 : it->second.claimedSize;
}

bool System::VersionInfo(const std::string& file, std::uint32_t size, void* data) {
    auto it = files.find(file);
    if (it == files.end() || !it->second.readOk) return false;
    current_ = &it->second;
    std::memcpy(data, it->second.data.data(), std::min<std::size_t>(size, it->second.data.size()));
    return true;
}

bool System::QueryVersionValue(const void* block, const std::string& subBlock, const void** value,
                               std::uint32_t* length) {
    if (current_ == nullptr || !current_->queryOk || subBlock != "\\") return false;
    // Pointer arithmetic through an integer: a lying resource may point outside the block.
    *value = reinterpret_cast<const void*>(reinterpret_cast<std::uintptr_t>(block) +
                                           static_cast<std::uintptr_t>(current_->recordOffset));
    *length = current_->recordLength;
    return true;
}

System::VersionFile System::Version(std::uint16_t a, std::uint16_t b, std::uint16_t c,
                                    std::uint16_t d) {
    VersionFile file;
    file.data.assign(92, 0);
    const std::uint32_t words[] = {0xFEEF04BD, 0x00010000, std::uint32_t(a) << 16 | b,
                                   std::uint32_t(c) << 16 | d};
    // The record sits after a 40-byte header, as in a real VS_VERSIONINFO block.
    std::memcpy(file.data.data() + 40, words, sizeof words);
    file.claimedSize = static_cast<std::uint32_t>(file.data.size());
    file.recordOffset = 40;
    return file;
}

bool Display::EnumMode(std::int32_t index, DisplayMode* mode) {
    ++calls;
    if (index < 0 || static_cast<std::size_t>(index) >= modes.size()) return false;
    *mode = modes[index];
    return true;
}

int Dialogs::Show(const std::string& text, const std::string& title, unsigned flags) {
    shown.push_back({text, title, flags});
    if ((flags & 0xF) != kMbYesNo) return kIdOk;
    if (answers.empty()) return kIdNo;
    const int answer = answers.front();
    answers.pop_front();
    return answer;
}

std::uintptr_t Help::HtmlHelp(std::uintptr_t owner, const std::string& path, unsigned command,
                              std::uintptr_t data) {
    calls.push_back({owner, path, command, data});
    return viewer;
}

void Window::SetCaption(LabelId label, int row, const std::string& text) {
    switch (label) {
        case LabelId::Adapters: captions["lblAdapters"] = text; break;
        case LabelId::Os: captions["lblOS"] = text; break;
        case LabelId::DetVersion: captions["lblDetVersion"] = text; break;
        case LabelId::Rate: captions["Label" + std::to_string(24 + row)] = text; break;
    }
}

Machine::Machine(const std::string& adapter, const std::string& os) : os(os) {
    reg.PutString("SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", "CurrentVersion", os);
    reg.PutString("HARDWARE\\DEVICEMAP\\VIDEO", "\\Device\\Video0",
                  std::string("\\Registry\\Machine\\System\\CurrentControlSet\\Control\\Video\\") +
                      kGuid + "\\0000");
    reg.PutDword(DriverKey(), "UseCompressedModeFormat", 1);
    reg.PutString(DriverKey(), "Device Description", adapter);
    sys.files["C:\\WINDOWS\\System32\\nv4_disp.dll"] = System::Version(6, 14, 10, 4523);
    display.modes = {{32, 800, 600, 60}, {32, 1024, 768, 60}};
}

std::string Machine::DriverKey() const {
    return os == "5.0" ? kWin2000DriverKey : kXpDriverKey;
}

void Machine::Step(int row, int delta) {
    if (!window.enabled[row - 1]) return;
    const int next = std::clamp(window.positions[row - 1] + delta, 1, 7);
    if (next == window.positions[row - 1]) return;
    window.positions[row - 1] = next;
    frm.StepRate(row);
}

}  // namespace vexmora::fake
