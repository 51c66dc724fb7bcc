// Plays the user of a running vexmora.exe from another process: clicks, steps spin
// controls, presses keys, reads and answers message boxes. One command per run; what it
// reads goes to standard output. Each command that acts returns once the program has
// handled it and painted the result (see Settle), so what is read next is what it shows.
//
//   user wait-main <ms> | idle  the main window is up, in front; all given handled and painted
//   user info | rates | spins | rows | focus | client | rect   the information lines; the rate
//                               labels; 1/0 per spin enabled; each row's resolution and rate;
//                               the focused control; the client size; the window on screen
//   user click <name> | close [class]   BM_CLICK to cmdApply, cmdReset or Check1; a close button
//   user step <row> up|down     a mouse click on one arrow of a row's spin control
//   user keys <key>...          real key presses: Tab S-Tab Return Space Up Down A-f A-h ...
//   user box <ms> | answer <Yes|No|OK> | owner   the open message box: text, icon, buttons;
//                               press one; has it an owner window?
//   user count <class> | front  visible top-level windows of the class; the foreground's class
//   user at <name> | layout     a control's rectangle on screen; every control in its place?
//   user cycles <n>             Apply, Yes and OK n times; handles and working set after 10
//                               and n, then the GDI objects at both
//   user repaint                has the window and its controls painted afresh

#include <windows.h>

#include <psapi.h>
#include <winternl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "frame.h"
#include "grid/layout.h"
#include "grid/rows.h"

using namespace vexmora;

namespace {

constexpr int kPatience = 10000;  // ms the program may take for anything, on a loaded machine

HWND Main() {
    return FindWindowA("VexmoraMain", nullptr);
}

std::string Text(HWND hwnd) {
    std::string text(GetWindowTextLengthA(hwnd) + 1, '\0');
    text.resize(GetWindowTextA(hwnd, text.data(), static_cast<int>(text.size())));
    return text;
}

HWND Item(const std::string& name) {
    for (const ControlSpec& c : MainLayout()) {
        if (c.name == name) return GetDlgItem(Main(), c.id);
    }
    return nullptr;
}

HWND Box() {
    HWND box = FindWindowA("#32770", "Vexmora");
    return box != nullptr && IsWindowVisible(box) ? box : nullptr;
}

template <typename Ready>
bool WaitFor(int ms, Ready ready) {
    for (int waited = 0; !ready(); waited += 10, Sleep(10))
        if (waited >= ms) return false;
    return true;
}

// The program has handled all it was given and drawn the result: a one-pixel paint that no
// control covers comes only once nothing posted or typed is left, and once no update region
// remains, a sent message returns when the drawing is done; Wine shows it as the thread then
// waits. (Wine's WaitForInputIdle cannot tell: it stays set once the program first waited.)
int Settle(const char* what) {
    const auto painted = [] {  // or ended
        HWND main = Main();
        if (main == nullptr) return true;
        if (GetUpdateRect(main, nullptr, FALSE)) return false;
        for (HWND c = GetWindow(main, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT))
            if (GetUpdateRect(c, nullptr, FALSE)) return false;
        return true;
    };
    const RECT corner = {0, 0, 1, 1};
    if (HWND main = Main()) RedrawWindow(main, &corner, nullptr, RDW_INVALIDATE);
    DWORD_PTR answer = 0;
    if (WaitFor(kPatience, painted) &&
        (SendMessageTimeoutA(Main(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kPatience, &answer) ||
         Main() == nullptr))
        return 0;
    return std::fprintf(stderr, "user: %s not handled after %d ms\n", what, kPatience), 1;
}

// Keys go to the foreground window: it must be the program's (its window, a box, a menu, the
// About box) before a key goes out, or the key would be lost. A user would click it first.
bool Foreground() {
    const auto owns = [] {
        DWORD owner = 0, program = 0;
        GetWindowThreadProcessId(GetForegroundWindow(), &owner);
        return GetWindowThreadProcessId(Main(), &program) != 0 && owner == program;
    };
    return WaitFor(kPatience / 10, owns) ||
           (SetForegroundWindow(GetLastActivePopup(Main())), WaitFor(kPatience, owns));
}

int Rows(const std::string& what) {  // rates, spins or rows
    for (int row = 1; row <= kRowCount; ++row) {
        if (what == "spins")
            std::printf("%d", IsWindowEnabled(GetDlgItem(Main(), UpDownId(row))) ? 1 : 0);
        if (what == "rows")
            std::printf("%s ", Text(GetDlgItem(Main(), ResolutionLabelId(row))).c_str());
        if (what != "spins")
            std::printf("%s\n", Text(GetDlgItem(Main(), RateLabelId(row))).c_str());
    }
    return std::printf(what == "spins" ? "\n" : ""), 0;
}

int Step(int row, bool up) {
    HWND spin = GetDlgItem(Main(), UpDownId(row));
    RECT r;
    GetClientRect(spin, &r);
    const LPARAM at = MAKELPARAM(r.right / 2, up ? r.bottom / 4 : r.bottom * 3 / 4);
    PostMessageA(spin, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(spin, WM_LBUTTONUP, 0, at);
    return Settle("the click on the spin");
}

int Keys(int count, char** names) {
    const std::pair<const char*, WORD> keys[] = {
        {"Tab", VK_TAB},   {"Return", VK_RETURN}, {"Space", VK_SPACE}, {"Up", VK_UP},
        {"Down", VK_DOWN}, {"Escape", VK_ESCAPE}, {"F4", VK_F4}};
    for (int i = 0; i < count; ++i) {
        std::string name = names[i];
        WORD modifier = 0, key = 0;
        if (name.size() > 2 && name[1] == '-') {
            modifier = name[0] == 'S' ? VK_SHIFT : VK_MENU;
            name = name.substr(2);
        }
        for (const auto& [n, vk] : keys) key = name == n ? vk : key;
        if (key == 0) key = static_cast<WORD>(std::toupper(name[0]));
        INPUT input[4] = {};
        int n = 0;
        for (WORD vk : {modifier, key, key, modifier}) {
            if (vk == 0) continue;
            input[n].type = INPUT_KEYBOARD;
            input[n].ki.wVk = vk;
            input[n].ki.dwFlags = n >= (modifier ? 2 : 1) ? KEYEVENTF_KEYUP : 0;
            ++n;
        }
        if (!Foreground()) return std::fprintf(stderr, "user: the program lost the keyboard\n"), 1;
        SendInput(n, input, sizeof(INPUT));
        if (Settle(names[i]) != 0) return 1;
    }
    return 0;
}

int Focus() {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(Main(), nullptr), &info);
    for (const ControlSpec& c : MainLayout()) {
        if (GetDlgItem(Main(), c.id) == info.hwndFocus)
            return std::printf("%s\n", c.name.c_str()), 0;
    }
    return std::printf("%s\n", info.hwndFocus == Main() ? "the window" : "elsewhere"), 0;
}

int ShowBox(int ms) {
    if (!WaitFor(ms, [] { return Box() != nullptr; })) return std::printf("no box\n"), 1;
    DWORD_PTR answer = 0;  // the box answers once it is ready for the user
    SendMessageTimeoutA(Box(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kPatience, &answer);
    std::string text, buttons;
    for (HWND child = GetWindow(Box(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char cls[16] = {};
        GetClassNameA(child, cls, sizeof cls);
        std::string& to = std::string(cls) == "Button" ? buttons : text;
        std::string t = Text(child);
        t.erase(std::remove(t.begin(), t.end(), '&'), t.end());  // the buttons' access keys
        if (!t.empty()) to += (to.empty() ? "" : ",") + t;
    }
    HWND icon = GetDlgItem(Box(), 1088);
    std::printf("text=%s\nicon=%s\nbuttons=%s\n", text.c_str(),
                icon && SendMessageA(icon, STM_GETICON, 0, 0) ? "yes" : "no", buttons.c_str());
    return 0;
}

int Answer(const std::string& button) {
    const int id = button == "Yes" ? IDYES : button == "No" ? IDNO : IDOK;
    HWND box = Box();
    if (box == nullptr || !PostMessageA(GetDlgItem(box, id), BM_CLICK, 0, 0)) return 1;
    // The next box may follow at once: wait for this one to go.
    return WaitFor(kPatience, [box] { return !IsWindow(box); }) ? Settle("the answer") : 1;
}

// The program's handles, from the system's handle table (Wine answers 0 to GetProcessHandleCount),
// its GDI objects, from the table its PEB points to (Wine's entries: 24 bytes, the type at 14;
// GetGuiResources is a stub), and its working set in KB. A count that cannot be had stays 0.
struct Footprint {
    int handles = 0, gdi = 0;
    SIZE_T kb = 0;
};

Footprint Measure() {
    Footprint f;
    DWORD pid = 0;
    GetWindowThreadProcessId(Main(), &pid);
    std::vector<SYSTEM_HANDLE_ENTRY> buffer(1 << 18);
    const auto* table = reinterpret_cast<const SYSTEM_HANDLE_INFORMATION*>(buffer.data());
    if (NtQuerySystemInformation(SystemHandleInformation, buffer.data(),
                                 ULONG(buffer.size() * sizeof buffer[0]), nullptr) == 0) {
        for (ULONG i = 0; i < table->Count; ++i) f.handles += table->Handle[i].OwnerPid == pid;
    }
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
    PROCESS_BASIC_INFORMATION basic = {};
    PVOID gdiTable = nullptr;
    std::vector<BYTE> objects(0x10000 * 24);
    if (NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof basic,
                                  nullptr) == 0 &&
        ReadProcessMemory(process,
                          reinterpret_cast<BYTE*>(basic.PebBaseAddress) +
                              (sizeof(PVOID) == 8 ? 0xF8 : 0x94),  // GdiSharedHandleTable
                          &gdiTable, sizeof gdiTable, nullptr) &&
        ReadProcessMemory(process, gdiTable, objects.data(), objects.size(), nullptr)) {
        for (std::size_t at = 14; at < objects.size(); at += 24) f.gdi += objects[at] != 0;
    }
    PROCESS_MEMORY_COUNTERS memory = {};
    GetProcessMemoryInfo(process, &memory, sizeof memory);
    CloseHandle(process);
    f.kb = memory.WorkingSetSize / 1024;
    return f;
}

int Cycles(int n) {
    std::string gdi = "GDI objects:";
    for (int i = 1; i <= n; ++i) {
        PostMessageA(Item("cmdApply"), BM_CLICK, 0, 0);
        for (const char* button : {"Yes", "OK"}) {
            if (!WaitFor(kPatience, [] { return Box() != nullptr; }) || Answer(button) != 0)
                return 1;
        }
        // The first ten let the program settle; from then on nothing may grow.
        if (i != 10 && i != n) continue;
        const Footprint f = Measure();
        if (f.handles == 0 || f.gdi == 0) return std::fprintf(stderr, "user: no count\n"), 1;
        std::printf("after %d: %d handles, %u KB\n", i, f.handles, unsigned(f.kb));
        gdi += " " + std::to_string(f.gdi);
    }
    return std::printf("%s\n", gdi.c_str()), 0;
}

int CheckLayout() {
    const SIZE dpi = window::ScreenDpi();
    int misplaced = 0;
    for (const ControlSpec& c : MainLayout()) {
        RECT r = {};
        HWND control = GetDlgItem(Main(), c.id);
        GetWindowRect(control, &r);
        MapWindowPoints(nullptr, Main(), reinterpret_cast<POINT*>(&r), 2);
        const int x = MulDiv(c.left, dpi.cx, 1440), y = MulDiv(c.top, dpi.cy, 1440);
        const RECT want = {x, y, x + std::max(1, MulDiv(c.width, dpi.cx, 1440)),
                           y + MulDiv(c.height, dpi.cy, 1440)};
        if (control == nullptr || !EqualRect(&r, &want)) {
            ++misplaced;
            std::printf("misplaced: %s\n", c.name.c_str());
        }
    }
    if (misplaced == 0) std::printf("all %d in place\n", static_cast<int>(MainLayout().size()));
    return misplaced == 0 ? 0 : 1;
}

int Rect(HWND hwnd) {
    RECT r;
    GetWindowRect(hwnd, &r);
    return std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top), 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    const std::string arg = argc > 2 ? argv[2] : "";
    if (command == "wait-main") {  // and brings it to the front, for the keys
        if (!WaitFor(std::atoi(arg.c_str()), [] { return IsWindowVisible(Main()); })) return 1;
        SetForegroundWindow(Main());
        return WaitFor(kPatience, [] { return GetForegroundWindow() == Main(); }) ? 0 : 1;
    }
    if (command == "box") return ShowBox(std::atoi(arg.c_str()));
    if (command == "owner" && WaitFor(kPatience, [] { return Box() != nullptr; }))
        return std::printf("%s\n", GetWindow(Box(), GW_OWNER) ? "yes" : "no"), 0;
    if (command == "count") {
        int n = 0;
        for (HWND w = nullptr; (w = FindWindowExA(nullptr, w, arg.c_str(), nullptr));)
            n += IsWindowVisible(w) ? 1 : 0;
        return std::printf("%d\n", n), 0;
    }
    if (command == "front") {  // the foreground window's class; "app" if it has WS_EX_APPWINDOW
        char name[64] = {};
        GetClassNameA(GetForegroundWindow(), name, sizeof name);
        const bool app = (GetWindowLongA(GetForegroundWindow(), GWL_EXSTYLE) & WS_EX_APPWINDOW);
        return std::printf("%s%s\n", name, app ? " app" : ""), 0;
    }
    if (command == "close") {  // as its close button does
        HWND window = FindWindowA(arg.empty() ? "VexmoraMain" : arg.c_str(), nullptr);
        return PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0) ? Settle("the close") : 1;
    }
    if (Main() == nullptr) return std::fprintf(stderr, "user: no main window\n"), 1;
    if (command == "info") {
        for (const char* name : {"lblAdapters", "lblOS", "lblDetVersion"})
            std::printf("%s=%s\n", name, Text(Item(name)).c_str());
        return 0;
    }
    if (command == "rates" || command == "spins" || command == "rows") return Rows(command);
    if (command == "click")
        return PostMessageA(Item(arg), BM_CLICK, 0, 0) ? Settle("the click") : 1;
    if (command == "idle") return Settle("what it was given");
    if (command == "step") return Step(std::atoi(arg.c_str()), std::string(argv[3]) == "up");
    if (command == "keys") return Keys(argc - 2, argv + 2);
    if (command == "focus") return Focus();
    if (command == "answer") return Answer(arg);
    if (command == "at") return Rect(Item(arg));
    if (command == "layout") return CheckLayout();
    if (command == "rect") return Rect(Main());
    if (command == "client") {
        RECT r;
        GetClientRect(Main(), &r);
        return std::printf("%ldx%ld\n", r.right, r.bottom), 0;
    }
    if (command == "cycles") return Cycles(std::atoi(arg.c_str()));
    if (command == "repaint") {
        const UINT all = RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW;
        return RedrawWindow(Main(), nullptr, nullptr, all) ? Settle("the repaint") : 1;
    }
    return std::fprintf(stderr, "user: unknown command \"%s\"\n", command.c_str()), 2;
}
