#pragma once
// The About box: a modeless tool window with two texts, one instance at a time.

#include <windows.h>

namespace vexmora::window {

class AboutWindow {
public:
    explicit AboutWindow(HINSTANCE instance) : instance_(instance) {}
    // Loads the box on first use, otherwise brings the open one forward.
    void Show();
    HWND Handle() const { return hwnd_; }

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HINSTANCE instance_;
    HWND hwnd_ = nullptr;
};

// Top-level windows still open; the program ends when the last one closes.
void WindowOpened();
void WindowClosed();

}  // namespace vexmora::window
