#include "see_through.h"

#include "background.h"

namespace vexmora::window {

namespace {

bool Overlap(const RECT& a, const RECT& b) {
    RECT both;
    return IntersectRect(&both, &a, &b) != FALSE;
}

COLORREF TextColour() {
    return GetSysColor(COLOR_ACTIVEBORDER);
}

}  // namespace

SeeThroughLabels::~SeeThroughLabels() {
    for (HGDIOBJ object :
         {static_cast<HGDIOBJ>(overlaidBrush_), static_cast<HGDIOBJ>(backgroundBrush_),
          static_cast<HGDIOBJ>(overlaid_), static_cast<HGDIOBJ>(background_)}) {
        if (object != nullptr) DeleteObject(object);
    }
}

void SeeThroughLabels::Create(HWND parent, HFONT font, const std::vector<Label>& labels) {
    parent_ = parent;
    font_ = font;
    RECT client;
    GetClientRect(parent, &client);
    size_ = {client.right, client.bottom};

    std::vector<bool> isUnder(labels.size());
    for (std::size_t upper = 0; upper < labels.size(); ++upper) {
        bool covers = false;
        for (std::size_t lower = 0; lower < upper; ++lower) {
            if (!Overlap(labels[lower].rect, labels[upper].rect)) continue;
            isUnder[lower] = true;
            covers = true;
        }
        (covers ? over_ : plain_).insert(labels[upper].hwnd);
    }
    std::vector<Label> under;
    for (std::size_t i = 0; i < labels.size(); ++i) {
        if (isUnder[i]) under.push_back(labels[i]);
    }
    HDC screen = GetDC(nullptr);
    background_ = Backdrop(screen, {});
    overlaid_ = Backdrop(screen, under);
    ReleaseDC(nullptr, screen);
    backgroundBrush_ = CreatePatternBrush(background_);
    overlaidBrush_ = CreatePatternBrush(overlaid_);
}

// The whole client area as the window paints it, with these labels' texts drawn on.
HBITMAP SeeThroughLabels::Backdrop(HDC screen, const std::vector<Label>& under) const {
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, size_.cx, size_.cy);
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    HBRUSH back = CreateSolidBrush(kBackColour);
    RECT all = {0, 0, size_.cx, size_.cy};
    FillRect(dc, &all, back);
    DeleteObject(back);
    DrawBackgroundPicture(dc);
    HGDIOBJ oldFont = SelectObject(dc, font_);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, TextColour());
    for (const Label& label : under) {
        RECT r = label.rect;
        DrawTextA(dc, label.text.c_str(), -1, &r, label.format);
    }
    SelectObject(dc, oldFont);
    SelectObject(dc, oldBitmap);
    DeleteDC(dc);
    return bitmap;
}

HBRUSH SeeThroughLabels::ColorStatic(HDC dc, HWND label) const {
    // The brush is aligned with the parent's client area, whatever part the label paints;
    // so a changed text never leaves the old one behind.
    POINT origin = {0, 0};
    MapWindowPoints(label, parent_, &origin, 1);
    SetBrushOrgEx(dc, -origin.x, -origin.y, nullptr);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, TextColour());
    return over_.count(label) != 0 ? overlaidBrush_ : backgroundBrush_;
}

void SeeThroughLabels::Paint(HDC dc) const {
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(source, background_);
    BitBlt(dc, 0, 0, size_.cx, size_.cy, source, 0, 0, SRCCOPY);
    SelectObject(source, old);
    DeleteDC(source);
}

}  // namespace vexmora::window
