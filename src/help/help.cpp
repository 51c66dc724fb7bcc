#include "help/help.h"

#include "platform/messages.h"

namespace vexmora {

namespace {

// MAX_PATH: the ANSI calls cannot open a longer path, and the HTML Help viewer hangs on
// one of exactly this length, so such a file counts as missing.
constexpr std::size_t kMaxPath = 260;

}  // namespace

void OpenHelpTopics(HelpApi& help, DialogsApi& dialogs) {
    const std::string path = help.ProgramFolder() + "\\" VEXMORA_HELP_FILE;
    if (path.size() >= kMaxPath || !help.OrdinaryFileExists(path)) {
        dialogs.Show(kHelpNotFound);
    } else if (help.HtmlHelp(0, path, kHhDisplayTopic, 0) == 0) {
        dialogs.Show(kHelpViewerFailed);
    }
}

}  // namespace vexmora
