#include "win32_platform.h"

namespace vexmora::win32 {

int Dialogs::Show(const std::string& text, BoxKind kind) {
    return MessageBoxA(owner, text.c_str(), kTitle, static_cast<unsigned>(kind));
}

}  // namespace vexmora::win32
