// What only Windows can show: the real registry and its refusals, file attributes, and the
// label font's text widths.
#include <windows.h>

#include <commctrl.h>
#include <oleacc.h>
#include <shlwapi.h>

#include <doctest/doctest.h>

#include <sstream>

#include "catalogue/adapters.h"
#include "fakes.h"
#include "background.h"
#include "controls.h"
#include "grid/layout.h"
#include "main_window.h"
#include "registry_cases.h"
#include "show_command.h"
#include "win32_platform.h"

using namespace vexmora;

namespace {

LRESULT CALLBACK Refuse(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return message == WM_NCCREATE ? FALSE : DefWindowProcA(hwnd, message, wParam, lParam);
}

// A window class of this program's own that refuses every window, in place of a system one.
void Refusing(const char* className) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = Refuse;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = className;
    RegisterClassA(&wc);
}

std::vector<UINT> viewerCommands;
HWND WINAPI Viewer(HWND, LPCSTR, UINT command, DWORD_PTR) {
    viewerCommands.push_back(command);
    return nullptr;
}

}  // namespace

TEST_CASE("the windows: spins named for screen readers, and what Windows refuses reported") {
    fake::Machine m;  // the window only forwards events to the form
    window::MainWindow main(GetModuleHandleA(nullptr));
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_UPDOWN_CLASS};
    REQUIRE((InitCommonControlsEx(&controls) && main.Create(m.frm)));
    CoInitialize(nullptr);
    std::wistringstream resolutions(
        L"320 200 320 240 400 300 480 360 512 384 640 400 640 480 "
        L"800 600 1024 768 1152 864 1280 768 1280 960 1280 1024 "
        L"1600 900 1600 1024 1600 1200 1920 1080 1920 1200 1920 1440 "
        L"2048 1536");
    for (int row = 1; row <= kRowCount; ++row) {
        CAPTURE(row);
        IAccessible* spin = nullptr;
        REQUIRE(AccessibleObjectFromWindow(GetDlgItem(main.Handle(), UpDownId(row)), OBJID_CLIENT,
                                           __uuidof(IAccessible),
                                           reinterpret_cast<void**>(&spin)) == S_OK);
        VARIANT self = {};
        self.vt = VT_I4;  // and 0: CHILDID_SELF
        BSTR name = nullptr;
        CHECK(spin->get_accName(self, &name) == S_OK);
        std::wstring width, height;
        resolutions >> width >> height;
        CHECK(std::wstring(name ? name : L"") == width + L" x " + height + L" refresh rate");
        SysFreeString(name);
        spin->Release();
    }
    CoUninitialize();
    // DrawThemeParentBackground (comctl32 6) has the parent print behind a spin: the picture.
    RECT spin;
    GetWindowRect(GetDlgItem(main.Handle(), UpDownId(1)), &spin);
    MapWindowPoints(nullptr, main.Handle(), reinterpret_cast<POINT*>(&spin), 2);
    const auto behind = [&](auto paint) {
        HDC screen = GetDC(nullptr), dc = CreateCompatibleDC(screen);
        HGDIOBJ old = SelectObject(dc, CreateCompatibleBitmap(screen, 64, 64));
        PatBlt(dc, 0, 0, 64, 64, WHITENESS);
        SetViewportOrgEx(dc, -spin.left, -spin.top, nullptr);
        paint(dc);
        std::vector<COLORREF> pixels;
        for (LONG y = spin.top; y < spin.bottom; ++y)
            for (LONG x = spin.left; x < spin.right; ++x) pixels.push_back(GetPixel(dc, x, y));
        DeleteObject(SelectObject(dc, old));
        DeleteDC(dc);
        ReleaseDC(nullptr, screen);
        return pixels;
    };
    CHECK(behind([&](HDC dc) { SendMessageA(main.Handle(), WM_PRINTCLIENT, WPARAM(dc), 0); }) ==
          behind(window::DrawBackgroundPicture));
    // Each control stands where its record says: the see-through labels read the records.
    HWND parent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 640, 480, nullptr, nullptr,
                                  nullptr, nullptr);
    for (const window::MadeControl& c :
         window::CreateLayoutControls(parent, GetModuleHandleA(nullptr), nullptr, 120, 120)) {
        RECT r;
        GetWindowRect(c.hwnd, &r);
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
        CHECK(EqualRect(&r, &c.place));
    }
    DestroyWindow(parent);
    // A starter's stray SW_HIDE without STARTF_USESHOWWINDOW: the program shows as it would.
    STARTUPINFOA startup = {};
    startup.wShowWindow = SW_HIDE;
    CHECK(window::ShowCommand(startup) == SW_SHOWDEFAULT);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    CHECK(window::ShowCommand(startup) == SW_HIDE);
    Refusing("VexmoraAbout");
    CHECK_FALSE(main.ShowAbout());
    Refusing("STATIC");  // a label that cannot be made leaves the window unmade
    window::MainWindow holed(GetModuleHandleA(nullptr));
    CHECK_FALSE(holed.Create(m.frm));
    UnregisterClassA("STATIC", GetModuleHandleA(nullptr));
}

TEST_CASE("registry helpers on the real registry, and a write Windows refuses") {
    const std::string base = "Software\\VexmoraTest-" + std::to_string(GetCurrentProcessId());
    win32::Registry reg;
    cases::RunRegistryCases(reg, kHKeyCurrentUser, base);
    HKEY key = nullptr;
    REQUIRE(RegCreateKeyExA(HKEY_CURRENT_USER, (base + "\\Volatile").c_str(), 0, nullptr,
                            REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr, &key,
                            nullptr) == ERROR_SUCCESS);
    RegCloseKey(key);
    // A non-volatile key under a volatile one: ERROR_CHILD_MUST_BE_VOLATILE.
    CHECK_FALSE(SaveSettingString(reg, kHKeyCurrentUser, base + "\\Volatile\\Child", "V", "x"));
    SHDeleteKeyA(HKEY_CURRENT_USER, base.c_str());
}

TEST_CASE("the help file counts only as an ordinary file; the viewer closed at the end") {
    const std::pair<const char*, DWORD> files[] = {{"plain", FILE_ATTRIBUTE_NORMAL},
                                                   {"readonly", FILE_ATTRIBUTE_READONLY},
                                                   {"hidden", FILE_ATTRIBUTE_HIDDEN},
                                                   {"system", FILE_ATTRIBUTE_SYSTEM}};
    std::string found;
    for (const auto& [name, attributes] : files) {
        // Beside the test program, unique to this process.
        const std::string path =
            win32::Help().ProgramFolder() + "\\" + name + std::to_string(GetCurrentProcessId());
        CloseHandle(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, attributes,
                                nullptr));
        found += win32::Help().OrdinaryFileExists(path) ? name : "";
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(path.c_str());
    }
    CHECK(found == "plainreadonly");
    CHECK_FALSE(win32::Help().OrdinaryFileExists(win32::Help().ProgramFolder()));
    // The viewer runs a thread in the program's process: HTML Help's documentation asks a
    // program to close it with HH_CLOSE_ALL before it exits. Wine's dies with the process.
    win32::Help(Viewer).HtmlHelp(0, "vexmhelp.chm", 0, 0);  // HH_DISPLAY_TOPIC
    CHECK(viewerCommands == std::vector<UINT>{0, 0x12});    // and HH_CLOSE_ALL, from htmlhelp.h
}

TEST_CASE("every text fits its control in Tahoma 8.25 pt at 96, 120, 144 and 192 DPI") {
    HDC dc = CreateCompatibleDC(nullptr);
    for (int dpi : {96, 120, 144, 192}) {
        HFONT font = window::CreateLabelFont(dpi);
        HGDIOBJ old = SelectObject(dc, font);
        char face[64] = {};
        GetTextFaceA(dc, sizeof face, face);
        CHECK(std::string(face) == "Tahoma");
        auto fits = [&](const std::string& text, int twips) {
            SIZE size = {};
            GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
            return size.cx <= MulDiv(twips, dpi, 1440);
        };
        // Only this description is wider than its label; it ends in an ellipsis.
        for (const AdapterProfile& row : AdapterTable()) {
            CHECK(fits(row.description, 3135) !=
                  (std::string(row.description) == "NVIDIA RIVA TNT2 Model 64/Model 64 Pro"));
        }
        for (const ControlSpec& c : MainLayout()) {
            CAPTURE(c.name);
            if (c.kind == ControlKind::Spin) continue;  // its text is a name, never drawn
            // Buttons draw their caption inside a frame; some labels start empty.
            const bool button = c.kind == ControlKind::Button || c.kind == ControlKind::CheckButton;
            const int margin = button ? 120 : 0;
            CHECK(fits(c.row != 0 && c.kind == ControlKind::Label ? "32767"
                       : c.name == "lblDetVersion" ? "65535.65535.65535.65535 (55.35)"
                                                   : c.text,
                       c.width - margin));
        }
        SelectObject(dc, old);
        DeleteObject(font);
    }
    DeleteDC(dc);
}
