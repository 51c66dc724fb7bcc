#include "see_through.h"

#include "background.h"

namespace vexmora::window {

namespace {

bool Overlap(const RECT& a, const RECT& b) {
    RECT both;
    return IntersectRect(&both, &a, &b) != FALSE;
}

}  // namespace

SeeThroughLabels::~SeeThroughLabels() {
    if (overlaidBrush_ != nullptr) DeleteObject(overlaidBrush_);
    if (backgroundBrush_ != nullptr) DeleteObject(backgroundBrush_);
}

void SeeThroughLabels::Create(HWND parent, HFONT font, const std::vector<Label>& labels) {
    parent_ = parent;
    font_ = font;
    RECT client;
    GetClientRect(parent, &client);
    size_ = {client.right, client.bottom};
    HDC screen = GetDC(nullptr);
    const int bits = GetDeviceCaps(screen, BITSPIXEL) * GetDeviceCaps(screen, PLANES);
    colours_ = ColoursFor(bits, GetSysColor(COLOR_ACTIVEBORDER));

    std::vector<bool> isUnder(labels.size());
    for (std::size_t upper = 0; upper < labels.size(); ++upper) {
        bool covers = false;
        for (std::size_t lower = 0; lower < upper; ++lower) {
            if (!Overlap(labels[lower].rect, labels[upper].rect)) continue;
            isUnder[lower] = true;
            covers = true;
        }
        (covers ? over_ : plain_).push_back(labels[upper].hwnd);
    }
    std::vector<Label> under;
    // The labels laid over others lie in the top rows: their backdrop ends where they do.
    LONG bottom = 0;
    for (std::size_t i = 0; i < labels.size(); ++i) {
        if (isUnder[i]) under.push_back(labels[i]);
        if (IsOver(labels[i].hwnd)) bottom = std::max(bottom, labels[i].rect.bottom);
    }
    backgroundBrush_ = Backdrop(screen, {}, size_.cy);
    overlaidBrush_ = Backdrop(screen, under, bottom);
    ReleaseDC(nullptr, screen);
}

// A brush of the client area down to height as the window paints it, with these labels'
// texts drawn on.
HBRUSH SeeThroughLabels::Backdrop(HDC screen, const std::vector<Label>& under, LONG height) const {
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, size_.cx, std::max(height, LONG{1}));
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    HBRUSH back = CreateSolidBrush(colours_.background);
    RECT all = {0, 0, size_.cx, size_.cy};
    FillRect(dc, &all, back);
    DeleteObject(back);
    if (colours_.picture) DrawBackgroundPicture(dc);
    HGDIOBJ oldFont = SelectObject(dc, font_);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colours_.text);
    for (const Label& label : under) {
        RECT r = label.rect;
        DrawTextA(dc, label.text.c_str(), -1, &r, label.format);
    }
    SelectObject(dc, oldFont);
    SelectObject(dc, oldBitmap);
    DeleteDC(dc);
    // The brush keeps its own copy of the picture: the bitmap is not kept twice.
    HBRUSH brush = CreatePatternBrush(bitmap);
    DeleteObject(bitmap);
    return brush;
}

HBRUSH SeeThroughLabels::ColorStatic(HDC dc, HWND label) const {
    // The brush is aligned with the parent's client area, whatever part the label paints;
    // so a changed text never leaves the old one behind.
    POINT origin = {0, 0};
    MapWindowPoints(label, parent_, &origin, 1);
    SetBrushOrgEx(dc, -origin.x, -origin.y, nullptr);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colours_.text);
    return IsOver(label) ? overlaidBrush_ : backgroundBrush_;
}

void SeeThroughLabels::Paint(HDC dc) const {
    const RECT all = {0, 0, size_.cx, size_.cy};
    // The brush's origin is in device units: it goes where the client area's corner is.
    POINT corner = {0, 0};
    LPtoDP(dc, &corner, 1);
    SetBrushOrgEx(dc, corner.x, corner.y, nullptr);
    FillRect(dc, &all, backgroundBrush_);
}

}  // namespace vexmora::window
