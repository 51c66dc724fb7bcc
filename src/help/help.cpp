#include "help/help.h"

namespace vexmora {

bool ShowHelp(HelpApi& help, const std::string& path, std::uintptr_t owner, std::uint32_t context) {
    if (!help.OrdinaryFileExists(path)) return false;
    const std::uintptr_t viewer = context != 0 ? help.HtmlHelp(owner, path, kHhHelpContext, context)
                                               : help.HtmlHelp(owner, path, kHhDisplayTopic, 0);
    return viewer != 0;
}

void OpenHelpTopics(HelpApi& help, DialogsApi& dialogs) {
    const std::string path = help.ProgramFolder() + "\\" + kHelpFileName;
    if (!ShowHelp(help, path, 0, 0)) dialogs.Show(kHelpNotFound, kTitle, kMbIconError);
}

}  // namespace vexmora
