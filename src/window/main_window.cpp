#include "main_window.h"

#include <commctrl.h>

#include "background.h"
#include "grid/layout.h"
#include "resource.h"

namespace vexmora::window {

namespace {

constexpr char kClassName[] = "VexmoraMain";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;

// Control ids start above IDOK and IDCANCEL, which IsDialogMessage sends for Enter and Esc.
constexpr int kFirstControlId = 100;
enum MenuId { kMenuExit = 1000, kMenuTopics, kMenuAbout };

HMENU BuildMenu() {
    HMENU file = CreatePopupMenu();
    AppendMenuA(file, MF_STRING, kMenuExit, "Exit");
    HMENU help = CreatePopupMenu();
    AppendMenuA(help, MF_STRING, kMenuTopics, "Topics...");
    AppendMenuA(help, MF_STRING, kMenuAbout, "About...");
    HMENU bar = CreateMenu();
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "File");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(help), "Help");
    return bar;
}

DWORD LabelStyle(Align align) {
    switch (align) {
        case Align::Left: return SS_LEFT;
        // One line, cut with an ellipsis: a long value never wraps out of sight.
        case Align::Right: return SS_RIGHT | SS_ENDELLIPSIS;
        case Align::Center: break;
    }
    return SS_CENTER;
}

// How the STATIC control lays out its own text, so a copy drawn elsewhere matches it.
UINT LabelFormat(Align align) {
    switch (align) {
        case Align::Left: return DT_LEFT | DT_EXPANDTABS | DT_WORDBREAK | DT_NOPREFIX;
        case Align::Right: return DT_RIGHT | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX;
        case Align::Center: break;
    }
    return DT_CENTER | DT_EXPANDTABS | DT_WORDBREAK | DT_NOPREFIX;
}

bool Overlap(const ControlSpec& a, const ControlSpec& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

}  // namespace

HFONT CreateLabelFont(int dpiY) {
    // Tahoma 8.25 pt.
    return CreateFontA(-MulDiv(825, dpiY, 7200), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                       ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, "Tahoma");
}

MainWindow::MainWindow(HINSTANCE instance) : instance_(instance), about_(instance) {}

MainWindow::~MainWindow() {
    if (font_) DeleteObject(font_);
    if (backdropBrush_) DeleteObject(backdropBrush_);
    if (backdrop_) DeleteObject(backdrop_);
    if (pictureBrush_) DeleteObject(pictureBrush_);
    if (picture_) DeleteObject(picture_);
}

int MainWindow::Pixels(int twips, bool vertical) const {
    return MulDiv(twips, vertical ? dpiY_ : dpiX_, 1440);
}

bool MainWindow::Create(FrmMain& form) {
    form_ = &form;
    WNDCLASSA wc = {};
    wc.lpfnWndProc = Proc;
    wc.hInstance = instance_;
    wc.hIcon = LoadIconA(instance_, MAKEINTRESOURCEA(IDI_VEXMORA));
    wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    wc.lpszClassName = kClassName;
    if (!RegisterClassA(&wc)) return false;

    HDC screen = GetDC(nullptr);
    dpiX_ = GetDeviceCaps(screen, LOGPIXELSX);
    dpiY_ = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);

    picture_ = CreateBackgroundPicture();
    pictureBrush_ = picture_ ? CreatePatternBrush(picture_) : CreateSolidBrush(kBackColour);
    font_ = CreateLabelFont(dpiY_);

    HMENU menu = BuildMenu();
    RECT frame = {0, 0, Pixels(kMainClient.width, false), Pixels(kMainClient.height, true)};
    AdjustWindowRectEx(&frame, kStyle, TRUE, 0);
    hwnd_ = CreateWindowExA(0, kClassName, kMainCaption.c_str(), kStyle, CW_USEDEFAULT,
                            CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top,
                            nullptr, menu, instance_, this);
    if (hwnd_ == nullptr) return false;
    // A menu bar that wrapped would have taken client height: size to the client area again.
    RECT client;
    GetClientRect(hwnd_, &client);
    const int missing = Pixels(kMainClient.height, true) - (client.bottom - client.top);
    if (missing > 0) {
        SetWindowPos(hwnd_, nullptr, 0, 0, frame.right - frame.left,
                     frame.bottom - frame.top + missing, SWP_NOMOVE | SWP_NOZORDER);
    }
    CreateControls();
    WindowOpened();
    return true;
}

void MainWindow::CreateControls() {
    int id = kFirstControlId;
    for (const ControlSpec& c : MainLayout()) {
        const int x = Pixels(c.left, false), y = Pixels(c.top, true);
        const int w = Pixels(c.width, false), h = Pixels(c.height, true);
        HWND control = nullptr;
        switch (c.kind) {
            case ControlKind::Line: line_ = {x, y, x + 1, y + h}; continue;
            case ControlKind::Label:
                control = CreateWindowExA(0, "STATIC", c.text.c_str(),
                                          WS_CHILD | WS_VISIBLE | SS_NOPREFIX | LabelStyle(c.align),
                                          x, y, w, h, hwnd_, nullptr, instance_, nullptr);
                labels_.insert(control);
                if (c.row != 0) rateLabels_[c.row] = control;
                break;
            case ControlKind::Button:
            case ControlKind::CheckButton: {
                const DWORD kind =
                    c.kind == ControlKind::Button ? BS_PUSHBUTTON : BS_AUTOCHECKBOX | BS_PUSHLIKE;
                control = CreateWindowExA(0, "BUTTON", c.text.c_str(),
                                          WS_CHILD | WS_VISIBLE | WS_TABSTOP | kind, x, y, w, h,
                                          hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                          instance_, nullptr);
                break;
            }
            case ControlKind::Spin:
                // Disabled until customizing is switched on; no buddy, the label is ours.
                control = CreateWindowExA(
                    0, UPDOWN_CLASSA, "",
                    WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_DISABLED | UDS_ARROWKEYS, x, y, w, h,
                    hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, nullptr);
                // The up-down narrows itself at creation; give it its size back.
                SetWindowPos(control, nullptr, x, y, w, h, SWP_NOZORDER | SWP_NOACTIVATE);
                SendMessageA(control, UDM_SETRANGE32, 1, 7);
                SendMessageA(control, UDM_SETPOS32, 0, 1);
                spins_[c.row] = control;
                break;
        }
        ++id;
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
        controls_[c.name] = control;
    }
    CreateBackdrop();
}

void MainWindow::CreateBackdrop() {
    // A label that lies over an earlier one (the information values over their captions)
    // paints the picture with the earlier label's text already on it, so both show.
    const auto& layout = MainLayout();
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    backdrop_ = CreateCompatibleBitmap(screen, 640, 480);
    ReleaseDC(nullptr, screen);
    HGDIOBJ oldBitmap = SelectObject(dc, backdrop_);
    RECT all = {0, 0, 640, 480};
    FillRect(dc, &all, pictureBrush_);
    HGDIOBJ oldFont = SelectObject(dc, font_);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_ACTIVEBORDER));
    for (std::size_t upper = 0; upper < layout.size(); ++upper) {
        if (layout[upper].kind != ControlKind::Label) continue;
        for (std::size_t lower = 0; lower < upper; ++lower) {
            const ControlSpec& under = layout[lower];
            if (under.kind != ControlKind::Label || !Overlap(under, layout[upper])) continue;
            RECT r = {Pixels(under.left, false), Pixels(under.top, true),
                      Pixels(under.left + under.width, false),
                      Pixels(under.top + under.height, true)};
            DrawTextA(dc, under.text.c_str(), -1, &r, LabelFormat(under.align));
            overLabels_.insert(controls_[layout[upper].name]);
        }
    }
    SelectObject(dc, oldFont);
    SelectObject(dc, oldBitmap);
    DeleteDC(dc);
    backdropBrush_ = CreatePatternBrush(backdrop_);
}

void MainWindow::Show(int how) {
    ShowWindow(hwnd_, how);
    UpdateWindow(hwnd_);
    // The focus goes to the first control in the focus order that can take it.
    HWND first = GetNextDlgTabItem(hwnd_, nullptr, FALSE);
    if (first != nullptr) SetFocus(first);
}

int MainWindow::RunMessageLoop() {
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        HWND about = about_.Handle();
        if (about != nullptr && IsDialogMessageA(about, &msg)) continue;
        if (hwnd_ != nullptr && IsDialogMessageA(hwnd_, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}

void MainWindow::SetCaption(LabelId label, int row, const std::string& text) {
    HWND control = nullptr;
    switch (label) {
        case LabelId::Adapters: control = controls_["lblAdapters"]; break;
        case LabelId::Os: control = controls_["lblOS"]; break;
        case LabelId::DetVersion: control = controls_["lblDetVersion"]; break;
        case LabelId::Rate: {
            auto it = rateLabels_.find(row);
            if (it != rateLabels_.end()) control = it->second;
            break;
        }
    }
    if (control != nullptr) SetWindowTextA(control, text.c_str());
}

HWND MainWindow::Spin(int row) const {
    auto it = spins_.find(row);
    return it == spins_.end() ? nullptr : it->second;
}

int MainWindow::SpinPosition(int row) {
    return static_cast<int>(SendMessageA(Spin(row), UDM_GETPOS32, 0, 0));
}

void MainWindow::SetSpinPosition(int row, int position) {
    SendMessageA(Spin(row), UDM_SETPOS32, 0, position);
}

void MainWindow::EnableSpin(int row, bool enabled) {
    EnableWindow(Spin(row), enabled);
}

void MainWindow::ShowAbout() {
    about_.Show();
}

void MainWindow::EndProgram() {
    PostQuitMessage(0);
}

LRESULT CALLBACK MainWindow::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (self == nullptr || self->hwnd_ == nullptr)
        return DefWindowProcA(hwnd, message, wParam, lParam);
    return self->HandleMessage(message, wParam, lParam);
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND: OnCommand(LOWORD(wParam), reinterpret_cast<HWND>(lParam)); return 0;
        case WM_VSCROLL:
        case WM_HSCROLL:
            // An up-down reports each change of position with SB_THUMBPOSITION.
            if (LOWORD(wParam) == SB_THUMBPOSITION) {
                for (const auto& [row, spin] : spins_) {
                    if (spin == reinterpret_cast<HWND>(lParam)) form_->StepRate(row);
                }
            }
            return 0;
        case WM_CTLCOLORSTATIC:
            // Check boxes ask too; the switch keeps the system's colours.
            if (labels_.count(reinterpret_cast<HWND>(lParam)) == 0) break;
            return reinterpret_cast<LRESULT>(
                OnColorStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)));
        case WM_ERASEBKGND: return 1;
        case WM_PAINT: OnPaint(); return 0;
        case WM_DESTROY:
            hwnd_ = nullptr;
            WindowClosed();
            return 0;
        default: break;
    }
    return DefWindowProcA(hwnd_, message, wParam, lParam);
}

void MainWindow::OnCommand(int id, HWND control) {
    switch (id) {
        case kMenuExit: form_->mnuExit_Click(); return;
        case kMenuTopics: form_->mnuTopics_Click(); return;
        case kMenuAbout: form_->mnuAbout_Click(); return;
        default: break;
    }
    if (control == nullptr) return;
    if (control == controls_["cmdApply"]) form_->cmdApply_Click();
    if (control == controls_["cmdReset"]) form_->cmdReset_Click();
    if (control == controls_["Check1"]) form_->Check1_Click();
}

HBRUSH MainWindow::OnColorStatic(HDC dc, HWND label) {
    // Labels are see-through: they paint the piece of the picture that lies under them,
    // so a changed text never leaves the old one behind.
    POINT origin = {0, 0};
    MapWindowPoints(label, hwnd_, &origin, 1);
    SetBrushOrgEx(dc, -origin.x, -origin.y, nullptr);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_ACTIVEBORDER));
    return overLabels_.count(label) != 0 && backdropBrush_ != nullptr ? backdropBrush_
                                                                      : pictureBrush_;
}

void MainWindow::OnPaint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd_, &ps);
    RECT client;
    GetClientRect(hwnd_, &client);
    HBRUSH back = CreateSolidBrush(kBackColour);
    FillRect(dc, &client, back);
    DeleteObject(back);
    if (picture_ != nullptr) {
        HDC source = CreateCompatibleDC(dc);
        HGDIOBJ old = SelectObject(source, picture_);
        BitBlt(dc, 0, 0, 640, 480, source, 0, 0, SRCCOPY);
        SelectObject(source, old);
        DeleteDC(source);
    }
    HBRUSH lineBrush = GetSysColorBrush(COLOR_WINDOWTEXT);
    FillRect(dc, &line_, lineBrush);
    EndPaint(hwnd_, &ps);
}

}  // namespace vexmora::window
