#include "win32_platform.h"

namespace vexmora::win32 {

int Dialogs::Show(const std::string& text, const std::string& title, unsigned flags) {
    return MessageBoxA(owner, text.c_str(), title.c_str(), flags);
}

}  // namespace vexmora::win32
