// Plays the user of a running vexmora.exe from another process: finds its windows by
// caption, class and position, clicks, steps spin controls, reads and answers message
// boxes, and uses the menus. One command per run; results go to standard output.
//
//   driver wait-main <ms>         the main window is up (exit 1 on timeout)
//   driver wait-gone <ms>         no main window and no About box any more
//   driver info                   the three information lines
//   driver rates                  the twenty rate labels, one per line
//   driver spins                  "1" or "0" per spin control: enabled or not
//   driver click <caption>        presses the button or the switch with this caption
//   driver step <row> up|down     clicks one arrow of a row's spin control
//   driver box <ms>               the open message box: text, icon, buttons
//   driver answer <Yes|No|OK>     presses that button of the open message box
//   driver menu <File|Help> <n>   chooses the n-th item (1-based) of a menu by keyboard
//   driver abouts                 how many About boxes are open
//   driver rect                   the main window's rectangle on screen
//   driver close                  the main window's close button
//   driver client                 the main window's client size in pixels
//   driver layout                 checks every control's place and size against the layout
//   driver repaint                has the main window and its controls painted afresh
//   driver focus <n>              the focused control's name, then after each of n Tabs

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "grid/layout.h"

using namespace vexmora;

namespace {

const char* kBoxClass = "#32770";

HWND Main() {
    return FindWindowA(nullptr, kMainCaption.c_str());
}

std::string Text(HWND hwnd) {
    char buffer[4096] = {};
    GetWindowTextA(hwnd, buffer, sizeof buffer);
    return buffer;
}

std::string ClassOf(HWND hwnd) {
    char buffer[256] = {};
    GetClassNameA(hwnd, buffer, sizeof buffer);
    return buffer;
}

BOOL CALLBACK Collect(HWND child, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
    return TRUE;
}

std::vector<HWND> Children(HWND parent) {
    std::vector<HWND> children;
    EnumChildWindows(parent, Collect, reinterpret_cast<LPARAM>(&children));
    return children;
}

std::vector<HWND> TopLevel(const std::string& className) {
    std::vector<HWND> found;
    for (HWND w = FindWindowExA(nullptr, nullptr, className.c_str(), nullptr); w != nullptr;
         w = FindWindowExA(nullptr, w, className.c_str(), nullptr)) {
        if (IsWindowVisible(w)) found.push_back(w);
    }
    return found;
}

// The control of the main window that the layout puts at this place.
HWND Control(HWND main, const ControlSpec& c) {
    HDC screen = GetDC(nullptr);
    const int x = MulDiv(c.left, GetDeviceCaps(screen, LOGPIXELSX), 1440);
    const int y = MulDiv(c.top, GetDeviceCaps(screen, LOGPIXELSY), 1440);
    ReleaseDC(nullptr, screen);
    for (HWND child : Children(main)) {
        RECT r;
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&r), 2);
        if (r.left == x && r.top == y) return child;
    }
    return nullptr;
}

HWND Named(HWND main, const std::string& name) {
    for (const ControlSpec& c : MainLayout()) {
        if (c.name == name) return Control(main, c);
    }
    return nullptr;
}

HWND RequireMain() {
    HWND main = Main();
    if (main == nullptr) {
        std::fprintf(stderr, "driver: no main window\n");
        std::exit(1);
    }
    return main;
}

HWND Box() {
    for (HWND box : TopLevel(kBoxClass)) {
        if (Text(box) == "Vexmora") return box;
    }
    return nullptr;
}

bool WaitFor(int ms, bool (*ready)()) {
    for (int waited = 0; waited <= ms; waited += 50) {
        if (ready()) return true;
        Sleep(50);
    }
    return false;
}

int WaitMain(int ms) {
    return WaitFor(ms, [] { return Main() != nullptr && IsWindowVisible(Main()); }) ? 0 : 1;
}

int WaitGone(int ms) {
    return WaitFor(ms, [] { return Main() == nullptr && TopLevel("VexmoraAbout").empty(); }) ? 0
                                                                                             : 1;
}

int Info() {
    HWND main = RequireMain();
    for (const char* name : {"lblAdapters", "lblOS", "lblDetVersion"}) {
        std::printf("%s=%s\n", name, Text(Named(main, name)).c_str());
    }
    return 0;
}

int Rates() {
    HWND main = RequireMain();
    for (int row = 1; row <= 20; ++row) {
        std::printf("%s\n", Text(Named(main, "Label" + std::to_string(24 + row))).c_str());
    }
    return 0;
}

int Spins() {
    HWND main = RequireMain();
    for (int row = 1; row <= 20; ++row) {
        std::printf("%d", IsWindowEnabled(Named(main, "UpDown" + std::to_string(row))) ? 1 : 0);
    }
    std::printf("\n");
    return 0;
}

int Click(const std::string& caption) {
    HWND main = RequireMain();
    for (HWND child : Children(main)) {
        if (ClassOf(child) == "Button" && Text(child) == caption) {
            PostMessageA(child, BM_CLICK, 0, 0);
            return 0;
        }
    }
    std::fprintf(stderr, "driver: no button \"%s\"\n", caption.c_str());
    return 1;
}

int Step(int row, bool up) {
    HWND main = RequireMain();
    HWND spin = Named(main, "UpDown" + std::to_string(row));
    HWND label = Named(main, "Label" + std::to_string(24 + row));
    if (spin == nullptr || label == nullptr) return 1;
    RECT r;
    GetClientRect(spin, &r);
    const LPARAM at = MAKELPARAM(r.right / 2, up ? r.bottom / 4 : r.bottom * 3 / 4);
    const std::string before = Text(label);
    PostMessageA(spin, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(spin, WM_LBUTTONUP, 0, at);
    // The label changes when the step lands; a step at the end of the ladder changes nothing.
    for (int waited = 0; waited < 500 && Text(label) == before; waited += 25) Sleep(25);
    return 0;
}

int ShowBox(int ms) {
    if (!WaitFor(ms, [] { return Box() != nullptr; })) {
        std::printf("no box\n");
        return 1;
    }
    Sleep(100);
    HWND box = Box();
    std::string text, buttons;
    for (HWND child : Children(box)) {
        const std::string cls = ClassOf(child);
        if (cls == "Static" && !Text(child).empty())
            text += (text.empty() ? "" : " ") + Text(child);
        if (cls == "Button") buttons += (buttons.empty() ? "" : ",") + Text(child);
    }
    buttons.erase(std::remove(buttons.begin(), buttons.end(), '&'), buttons.end());
    HWND icon = GetDlgItem(box, 1088);
    const bool hasIcon = icon != nullptr && SendMessageA(icon, STM_GETICON, 0, 0) != 0;
    std::printf("text=%s\nicon=%s\nbuttons=%s\n", text.c_str(), hasIcon ? "yes" : "no",
                buttons.c_str());
    return 0;
}

int Answer(const std::string& button) {
    HWND box = Box();
    if (box == nullptr) return 1;
    const int id = button == "Yes" ? IDYES : button == "No" ? IDNO : IDOK;
    HWND control = GetDlgItem(box, id);
    if (control == nullptr) return 1;
    PostMessageA(control, BM_CLICK, 0, 0);
    WaitFor(2000, [] { return Box() == nullptr; });
    return 0;
}

void Key(HWND target, WPARAM key) {
    PostMessageA(target, WM_KEYDOWN, key, 1);
    PostMessageA(target, WM_KEYUP, key, 0xC0000001);
    Sleep(150);
}

int Menu(const std::string& menu, int item) {
    HWND main = RequireMain();
    SetForegroundWindow(main);
    PostMessageA(main, WM_SYSCOMMAND, SC_KEYMENU, 0);
    Sleep(300);
    if (menu == "Help") Key(main, VK_RIGHT);
    Key(main, VK_DOWN);
    for (int i = 1; i < item; ++i) Key(main, VK_DOWN);
    Key(main, VK_RETURN);
    return 0;
}

int ClientSize() {
    RECT r;
    GetClientRect(RequireMain(), &r);
    std::printf("%ldx%ld\n", r.right, r.bottom);
    return 0;
}

int CheckLayout() {
    HWND main = RequireMain();
    HDC screen = GetDC(nullptr);
    const int dpiX = GetDeviceCaps(screen, LOGPIXELSX), dpiY = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    int placed = 0, misplaced = 0;
    for (const ControlSpec& c : MainLayout()) {
        if (c.kind == ControlKind::Line) continue;
        HWND control = Control(main, c);
        RECT r = {};
        if (control != nullptr) GetWindowRect(control, &r);
        const long w = r.right - r.left, h = r.bottom - r.top;
        if (control != nullptr && w == MulDiv(c.width, dpiX, 1440) &&
            h == MulDiv(c.height, dpiY, 1440)) {
            ++placed;
        } else {
            ++misplaced;
            std::printf("misplaced: %s (%ldx%ld)\n", c.name.c_str(), w, h);
        }
    }
    if (misplaced == 0) std::printf("all %d in place\n", placed);
    return misplaced == 0 ? 0 : 1;
}

int Repaint() {
    RedrawWindow(RequireMain(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    return 0;
}

std::string NameOf(HWND main, HWND control) {
    for (const ControlSpec& c : MainLayout()) {
        if (c.kind != ControlKind::Line && Control(main, c) == control) return c.name;
    }
    return "?";
}

HWND Focused(HWND main) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(main, nullptr), &info);
    return info.hwndFocus;
}

int FocusWalk(int tabs) {
    HWND main = RequireMain();
    std::string walk = NameOf(main, Focused(main));
    for (int i = 0; i < tabs; ++i) {
        HWND before = Focused(main);
        Key(before, VK_TAB);
        for (int waited = 0; waited < 500 && Focused(main) == before; waited += 25) Sleep(25);
        walk += " " + NameOf(main, Focused(main));
    }
    std::printf("%s\n", walk.c_str());
    return 0;
}

int Rect() {
    RECT r;
    GetWindowRect(RequireMain(), &r);
    std::printf("%ldx%ld+%ld+%ld\n", r.right - r.left, r.bottom - r.top, r.left, r.top);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    const std::string arg1 = argc > 2 ? argv[2] : "";
    const std::string arg2 = argc > 3 ? argv[3] : "";
    if (command == "wait-main") return WaitMain(std::atoi(arg1.c_str()));
    if (command == "wait-gone") return WaitGone(std::atoi(arg1.c_str()));
    if (command == "info") return Info();
    if (command == "rates") return Rates();
    if (command == "spins") return Spins();
    if (command == "click") return Click(arg1);
    if (command == "step") return Step(std::atoi(arg1.c_str()), arg2 == "up");
    if (command == "box") return ShowBox(std::atoi(arg1.c_str()));
    if (command == "answer") return Answer(arg1);
    if (command == "menu") return Menu(arg1, std::atoi(arg2.c_str()));
    if (command == "abouts")
        return std::printf("%d\n", static_cast<int>(TopLevel("VexmoraAbout").size())), 0;
    if (command == "rect") return Rect();
    if (command == "client") return ClientSize();
    if (command == "layout") return CheckLayout();
    if (command == "repaint") return Repaint();
    if (command == "focus") return FocusWalk(std::atoi(arg1.c_str()));
    if (command == "close") return PostMessageA(RequireMain(), WM_CLOSE, 0, 0) ? 0 : 1;
    std::fprintf(stderr, "driver: unknown command \"%s\"\n", command.c_str());
    return 2;
}
