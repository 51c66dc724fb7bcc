#include "help/help.h"

namespace vexmora {

namespace {

// MAX_PATH: the ANSI calls cannot open a longer path, and the HTML Help viewer hangs on
// one of exactly this length, so such a file counts as missing.
constexpr std::size_t kMaxPath = 260;

}  // namespace

bool ShowHelp(HelpApi& help, const std::string& path) {
    if (path.size() >= kMaxPath || !help.OrdinaryFileExists(path)) return false;
    return help.HtmlHelp(0, path, kHhDisplayTopic, 0) != 0;
}

void OpenHelpTopics(HelpApi& help, DialogsApi& dialogs) {
    const std::string path = help.ProgramFolder() + "\\" + kHelpFileName;
    if (!ShowHelp(help, path)) dialogs.Show(kHelpNotFound, kTitle, kMbIconError);
}

}  // namespace vexmora
