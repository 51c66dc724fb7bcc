#pragma once
// Help > Topics...: the compiled help file beside the program, opened at its default topic.

#include <cstdint>
#include <string>

#include "platform/dialogs_api.h"
#include "platform/help_api.h"

namespace vexmora {

inline constexpr char kHelpFileName[] = "vexmhelp.chm";
inline constexpr char kHelpNotFound[] = "Help file (vexmhelp.chm) not found";

// Opens the help file at its default topic, without an owner window; false when it is not an
// ordinary file, its path is too long for the ANSI calls, or the viewer did not open.
bool ShowHelp(HelpApi& help, const std::string& path);

// The Topics... click: looks for the file afresh each time and says so when it is missing.
void OpenHelpTopics(HelpApi& help, DialogsApi& dialogs);

}  // namespace vexmora
