#include "win32_platform.h"

namespace vexmora::win32 {

int Dialogs::Box(const std::string& text, BoxKind kind) {
    // A box of no window of the program's (a start-up failure) comes to the front itself.
    const UINT front = owner == nullptr ? MB_SETFOREGROUND : 0;
    return MessageBoxA(owner, text.c_str(), kTitle, static_cast<unsigned>(kind) | front);
}

}  // namespace vexmora::win32
