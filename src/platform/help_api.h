#pragma once
// The help file beside the program and the HTML Help viewer that opens it.

#include <cstdint>
#include <string>

namespace vexmora {

constexpr unsigned kHhDisplayTopic = 0;
constexpr unsigned kHhCloseAll = 0x12;

class HelpApi {
public:
    virtual ~HelpApi() = default;
    // The folder of the program's own executable, without a trailing backslash.
    virtual std::string ProgramFolder() = 0;
    // True when the path names an ordinary file (not hidden, not system, not a folder).
    virtual bool OrdinaryFileExists(const std::string& path) = 0;
    // HtmlHelpA from hhctrl.ocx; 0 when the viewer did not open or is not installed.
    virtual std::uintptr_t HtmlHelp(std::uintptr_t owner, const std::string& path, unsigned command,
                                    std::uintptr_t data) = 0;
};

}  // namespace vexmora
