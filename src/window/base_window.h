#pragma once
// What every window of the program shares: its class, registered once, and the C++ object
// behind the HWND, which receives every message in Derived::HandleMessage. The program
// ends when the last of its windows is gone.

#include <windows.h>

#include "resource.h"

namespace vexmora::window {

template <class Derived>
class BaseWindow {
public:
    HWND Handle() const { return hwnd_; }

protected:
    // Creates a top-level window whose client area has this size in pixels.
    bool CreateFrame(HINSTANCE instance, const char* className, HBRUSH background,
                     const char* caption, DWORD style, DWORD exStyle, SIZE client, HMENU menu) {
        WNDCLASSA wc = {};
        if (!GetClassInfoA(instance, className, &wc)) {
            wc.lpfnWndProc = Proc;
            wc.hInstance = instance;
            wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_VEXMORA));
            wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
            wc.hbrBackground = background;
            wc.lpszClassName = className;
            if (!RegisterClassA(&wc)) return false;
        }
        RECT frame = {0, 0, client.cx, client.cy};
        AdjustWindowRectEx(&frame, style, menu != nullptr, exStyle);
        return CreateWindowExA(exStyle, className, caption, style, CW_USEDEFAULT, CW_USEDEFAULT,
                               frame.right - frame.left, frame.bottom - frame.top, nullptr, menu,
                               instance, this) != nullptr;
    }

    HWND hwnd_ = nullptr;

private:
    // A constant zero before any code runs, whatever the check believes.
    static inline int open_ = 0;  // NOLINT(bugprone-dynamic-static-initializers)

    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE) {
            auto* self =
                static_cast<BaseWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
            self->hwnd_ = hwnd;
            SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
            ++open_;
        }
        auto* self = reinterpret_cast<BaseWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        if (self == nullptr) return DefWindowProcA(hwnd, message, wParam, lParam);
        const LRESULT result = static_cast<Derived*>(self)->HandleMessage(message, wParam, lParam);
        if (message == WM_NCDESTROY) {
            SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
            self->hwnd_ = nullptr;
            if (--open_ == 0) PostQuitMessage(0);
        }
        return result;
    }
};

}  // namespace vexmora::window
