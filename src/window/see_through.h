#pragma once
// Labels that show what lies under them: the background picture where it reaches, the
// window's colour beyond it, and, for a label laid over an earlier one, that label's text.
// The window's own background is painted from the same image, so the two always agree.

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "grid/colours.h"

namespace vexmora::window {

class SeeThroughLabels {
public:
    struct Label {
        HWND hwnd;
        RECT rect;  // in the parent's client coordinates
        std::string text;
        UINT format;  // how the label lays out its text, for DrawTextA
    };

    SeeThroughLabels() = default;
    SeeThroughLabels(const SeeThroughLabels&) = delete;
    SeeThroughLabels& operator=(const SeeThroughLabels&) = delete;
    ~SeeThroughLabels();

    // Labels in creation order: a later label lies over an earlier one.
    void Create(HWND parent, HFONT font, const std::vector<Label>& labels);
    bool Has(HWND label) const { return IsOver(label) || Contains(plain_, label); }
    // WM_CTLCOLORSTATIC: the brush that paints what lies under this label.
    HBRUSH ColorStatic(HDC dc, HWND label) const;
    // WM_PAINT and WM_PRINTCLIENT: the window's background, wherever the DC's origin puts
    // the client area.
    void Paint(HDC dc) const;

private:
    // A few dozen labels: a look along the list is as quick as a tree, and a tree's library
    // code is built for newer processors than the program's.
    static bool Contains(const std::vector<HWND>& list, HWND label) {
        return std::find(list.begin(), list.end(), label) != list.end();
    }
    bool IsOver(HWND label) const { return Contains(over_, label); }
    HBRUSH Backdrop(HDC screen, const std::vector<Label>& under, LONG height) const;

    HWND parent_ = nullptr;
    HFONT font_ = nullptr;
    SIZE size_ = {};
    WindowColours colours_ = {};
    HBRUSH backgroundBrush_ = nullptr;
    HBRUSH overlaidBrush_ = nullptr;
    std::vector<HWND> plain_;
    std::vector<HWND> over_;
};

}  // namespace vexmora::window
