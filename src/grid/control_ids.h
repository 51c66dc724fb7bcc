#pragma once
// The ids of the main window's controls and menu items, as a resource script would number
// them: WM_COMMAND carries them, and GetDlgItem finds a control by them.

#include "grid/rows.h"

namespace vexmora {

// Above IDOK and IDCANCEL, which the dialog manager sends for Enter and Esc.
constexpr int IDC_CMDAPPLY = 100;
constexpr int IDC_CMDRESET = 101;
constexpr int IDC_CHECK1 = 102;
constexpr int IDC_LABEL1 = 110;
constexpr int IDC_LBLADAPTERS = 111;
constexpr int IDC_LABEL4 = 112;
constexpr int IDC_LBLOS = 113;
constexpr int IDC_LABEL5 = 114;
constexpr int IDC_LBLDETVERSION = 115;
constexpr int IDC_LABEL2 = 116;
constexpr int IDC_LABEL46 = 117;
constexpr int IDC_LABEL45 = 118;
constexpr int IDC_LABEL47 = 119;
constexpr int IDC_LINE1 = 120;

// Row 1 to 20: its spin control UpDown<row>, its rate label Label<24 + row> and its
// resolution label.
constexpr int IDC_UPDOWN1 = 201;
constexpr int IDC_RATE1 = 301;
constexpr int IDC_RESOLUTION1 = 401;
constexpr int UpDownId(int row) {
    return IDC_UPDOWN1 + row - 1;
}
constexpr int RateLabelId(int row) {
    return IDC_RATE1 + row - 1;
}
constexpr int ResolutionLabelId(int row) {
    return IDC_RESOLUTION1 + row - 1;
}
// The row of a spin control's id; 0 for any other control.
constexpr int SpinRow(int id) {
    return id >= UpDownId(1) && id <= UpDownId(kRowCount) ? id - UpDownId(1) + 1 : 0;
}

constexpr int IDM_EXIT = 1000;
constexpr int IDM_TOPICS = 1001;
constexpr int IDM_ABOUT = 1002;

}  // namespace vexmora
