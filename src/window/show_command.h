#pragma once
// The show command a program's starter hands it in STARTUPINFO (a shortcut's "Run: Maximized",
// say). It counts only when the starter set STARTF_USESHOWWINDOW: otherwise wShowWindow holds
// whatever was left there, SW_HIDE as likely as not.

#include <windows.h>

namespace vexmora::window {

inline int ShowCommand(const STARTUPINFOA& startup) {
    return (startup.dwFlags & STARTF_USESHOWWINDOW) != 0 ? startup.wShowWindow : SW_SHOWDEFAULT;
}

}  // namespace vexmora::window
