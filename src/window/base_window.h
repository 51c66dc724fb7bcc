#pragma once
// What every window of the program shares: its class, registered once, and the C++ object
// behind the HWND, which receives every message in Derived::HandleMessage. One count of
// open windows, whatever their class, serves the whole program: it ends when the last of
// them is gone, so closing the About box leaves the main window running and closing the
// main window leaves the About box.

#include <windows.h>

#include "frame.h"

namespace vexmora::window {

// Windows of every class that exist now. A constant zero before any code runs.
inline int openWindows = 0;  // NOLINT(bugprone-dynamic-static-initializers)

template <class Derived>
class BaseWindow {
public:
    BaseWindow() = default;
    BaseWindow(const BaseWindow&) = delete;
    BaseWindow& operator=(const BaseWindow&) = delete;

    HWND Handle() const { return hwnd_; }
    // Destroys the window, if it is open, while the object behind it is still whole; a
    // derived class calls it before freeing what the window draws with.
    void Destroy() {
        if (hwnd_ != nullptr) DestroyWindow(hwnd_);
    }

protected:
    // Makes the window of this frame, with this object behind it.
    bool Create(HINSTANCE instance, const Frame& frame) {
        return window::CreateFrame(instance, frame, Proc, this) != nullptr;
    }

    HWND hwnd_ = nullptr;

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE) {
            auto* self =
                static_cast<BaseWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
            self->hwnd_ = hwnd;
            SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
            ++openWindows;
        }
        auto* self = reinterpret_cast<BaseWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        if (self == nullptr) return DefWindowProcA(hwnd, message, wParam, lParam);
        const LRESULT result = static_cast<Derived*>(self)->HandleMessage(message, wParam, lParam);
        if (message == WM_NCDESTROY) {
            SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
            self->hwnd_ = nullptr;
            if (--openWindows == 0) PostQuitMessage(0);
        }
        return result;
    }
};

}  // namespace vexmora::window
