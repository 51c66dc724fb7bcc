#include "about_window.h"

#include "background.h"
#include "help/about.h"
#include "platform/dialogs_api.h"
#include "resource.h"

namespace vexmora::window {

namespace {

constexpr char kClassName[] = "VexmoraAbout";
int openWindows = 0;

int Pixels(HDC screen, int twips, bool vertical) {
    return MulDiv(twips, GetDeviceCaps(screen, vertical ? LOGPIXELSY : LOGPIXELSX), 1440);
}

void Register(HINSTANCE instance, WNDPROC proc) {
    WNDCLASSA wc = {};
    if (GetClassInfoA(instance, kClassName, &wc)) return;
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_VEXMORA));
    wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    wc.hbrBackground = CreateSolidBrush(kBackColour);
    wc.lpszClassName = kClassName;
    RegisterClassA(&wc);
}

}  // namespace

void WindowOpened() {
    ++openWindows;
}

void WindowClosed() {
    if (--openWindows <= 0) PostQuitMessage(0);
}

void AboutWindow::Show() {
    if (hwnd_ != nullptr) {
        ShowWindow(hwnd_, SW_SHOWNORMAL);
        SetForegroundWindow(hwnd_);
        return;
    }
    Register(instance_, Proc);
    HDC screen = GetDC(nullptr);
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
    const DWORD exStyle = WS_EX_TOOLWINDOW;
    RECT frame = {0, 0, Pixels(screen, kAboutClient.width, false),
                  Pixels(screen, kAboutClient.height, true)};
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    hwnd_ = CreateWindowExA(exStyle, kClassName, kTitle.c_str(), style, CW_USEDEFAULT,
                            CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top,
                            nullptr, nullptr, instance_, this);
    if (hwnd_ != nullptr) {
        const auto font = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
        for (const ControlSpec& c : AboutLayout()) {
            HWND label = CreateWindowExA(
                0, "STATIC", c.text.c_str(), WS_CHILD | WS_VISIBLE | SS_CENTER | SS_NOPREFIX,
                Pixels(screen, c.left, false), Pixels(screen, c.top, true),
                Pixels(screen, c.width, false), Pixels(screen, c.height, true), hwnd_, nullptr,
                instance_, nullptr);
            SendMessageA(label, WM_SETFONT, font, FALSE);
        }
        WindowOpened();
        ShowWindow(hwnd_, SW_SHOWNORMAL);
    }
    ReleaseDC(nullptr, screen);
}

LRESULT CALLBACK AboutWindow::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    } else if (message == WM_DESTROY) {
        auto* self = reinterpret_cast<AboutWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        if (self != nullptr) self->hwnd_ = nullptr;
        WindowClosed();
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace vexmora::window
