// Where Windows starts vexmora.exe. MinGW's own start-up code is built for newer
// processors than the program supports (it uses cmov), and most of what it sets up (the
// command line as argv, thread-local storage, pseudo-relocations, its own error reports)
// this program never uses. So the exe starts here: it runs the static constructors the
// linker lists, calls WinMain with what Windows would give it, and ends through exit(), so
// that the destructors registered with atexit run too.

#include <windows.h>

#include <cstdlib>

#include "show_command.h"

// NOLINTBEGIN(bugprone-reserved-identifier, cert-dcl37-c, cert-dcl51-cpp)
// The linker's script places this list in .text: a -1, the constructors in link order, a 0.
extern "C" void (*__CTOR_LIST__[])();

namespace {

void RunStaticConstructors() {
    std::size_t count = 1;
    while (__CTOR_LIST__[count] != nullptr) ++count;
    // Later objects' constructors run first, as MinGW's own start-up does.
    while (--count > 0) __CTOR_LIST__[count]();
}

int ShowCommand() {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    GetStartupInfoA(&startup);
    return vexmora::window::ShowCommand(startup);
}

}  // namespace

// MinGW's import library leaves atexit to its start-up code. msvcrt's _onexit keeps the same
// list, which exit() runs; a function-local static registers its destructor here.
extern "C" int atexit(void (*function)()) {
    return _onexit(reinterpret_cast<_onexit_t>(function)) != nullptr ? 0 : -1;
}

// msvcrt's own: a GUI program's fatal errors (abort when memory runs out) go to a message
// box that says so, not to a console that is not there. msvcrt.dll has it since Windows 95.
extern "C" __declspec(dllimport) void __set_app_type(int type);
constexpr int kGuiApp = 2;

// The program takes no command line, so WinMain is given an empty one.
extern "C" __attribute__((force_align_arg_pointer)) void WinMainCRTStartup() {
    __set_app_type(kGuiApp);
    RunStaticConstructors();
    char noCommandLine[] = "";
    std::exit(WinMain(GetModuleHandleA(nullptr), nullptr, noCommandLine, ShowCommand()));
}
// NOLINTEND(bugprone-reserved-identifier, cert-dcl37-c, cert-dcl51-cpp)
