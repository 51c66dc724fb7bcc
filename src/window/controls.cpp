#include "controls.h"

#include <commctrl.h>

#include <algorithm>

namespace vexmora::window {

std::vector<MadeControl> CreateLayoutControls(HWND parent, HINSTANCE instance, HFONT font, int dpiX,
                                              int dpiY) {
    std::vector<MadeControl> made;
    for (const ControlSpec& c : MainLayout()) {
        const int x = TwipsToPixels(c.left, dpiX);
        const int y = TwipsToPixels(c.top, dpiY);
        const int w = std::max(1, TwipsToPixels(c.width, dpiX));  // the divider has no width
        const int h = TwipsToPixels(c.height, dpiY);
        const ControlClass cls = ClassOf(c);
        HWND control = CreateWindowExA(
            0, cls.name, c.text.c_str(), WS_CHILD | WS_VISIBLE | cls.style, x, y, w, h, parent,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), instance, nullptr);
        if (control == nullptr) return {};
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        if (c.kind == ControlKind::Spin) {
            // The up-down narrows itself at creation; give it its size back.
            SetWindowPos(control, nullptr, x, y, w, h, SWP_NOZORDER | SWP_NOACTIVATE);
            SendMessageA(control, UDM_SETRANGE32, 1, kLadderSize);
            SendMessageA(control, UDM_SETPOS32, 0, 1);
        }
        made.push_back({control, &c, {x, y, x + w, y + h}});
    }
    return made;
}

HMENU BuildMenu() {
    HMENU file = CreatePopupMenu();
    AppendMenuA(file, MF_STRING, IDM_EXIT, "Exit");
    HMENU help = CreatePopupMenu();
    AppendMenuA(help, MF_STRING, IDM_TOPICS, "Topics...");
    AppendMenuA(help, MF_STRING, IDM_ABOUT, "About...");
    HMENU bar = CreateMenu();
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "File");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(help), "Help");
    return bar;
}

namespace {

DWORD LabelStyle(Align align) {
    switch (align) {
        case Align::Left: return SS_LEFT;
        // One line, cut with an ellipsis: a long value never wraps out of sight.
        case Align::Right: return SS_RIGHT | SS_ENDELLIPSIS;
        case Align::Center: break;
    }
    return SS_CENTER;
}

}  // namespace

// How the STATIC control lays out its own text, so a copy drawn elsewhere matches it.
UINT LabelFormat(Align align) {
    switch (align) {
        case Align::Left: return DT_LEFT | DT_EXPANDTABS | DT_WORDBREAK | DT_NOPREFIX;
        case Align::Right: return DT_RIGHT | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX;
        case Align::Center: break;
    }
    return DT_CENTER | DT_EXPANDTABS | DT_WORDBREAK | DT_NOPREFIX;
}

ControlClass ClassOf(const ControlSpec& c) {
    switch (c.kind) {
        case ControlKind::Label: return {"STATIC", SS_NOPREFIX | LabelStyle(c.align)};
        case ControlKind::Line: return {"STATIC", SS_BLACKRECT};
        case ControlKind::Button: return {"BUTTON", WS_TABSTOP | BS_PUSHBUTTON};
        case ControlKind::CheckButton:
            return {"BUTTON", WS_TABSTOP | BS_AUTOCHECKBOX | BS_PUSHLIKE};
        case ControlKind::Spin:
            // Disabled until customizing is switched on; no buddy, the label is ours. A spin
            // reaches a pixel into the next row's: it leaves that one alone, so a spin that
            // repaints alone draws what the whole window's repaint draws.
            return {UPDOWN_CLASSA, WS_TABSTOP | WS_DISABLED | WS_CLIPSIBLINGS | UDS_ARROWKEYS};
    }
    return {"STATIC", 0};
}

HFONT CreateLabelFont(int dpiY) {
    // Tahoma 8.25 pt.
    return CreateFontA(-MulDiv(825, dpiY, 7200), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                       ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, "Tahoma");
}

}  // namespace vexmora::window
