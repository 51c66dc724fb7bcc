#pragma once
// Help > Topics...: the compiled help file beside the program, opened at its default topic.

#include <cstdint>
#include <string>

#include "platform/dialogs_api.h"
#include "platform/help_api.h"

namespace vexmora {

// The Topics... click: looks for the file beside the program afresh each time and opens it
// at its default topic, without an owner window; says so when it is missing (or its path is
// too long for the ANSI calls) or the viewer does not open it.
void OpenHelpTopics(HelpApi& help, DialogsApi& dialogs);

}  // namespace vexmora
