#include "grid/layout.h"

#include "platform/text.h"
#include "grid/rows.h"

namespace vexmora {

namespace {

constexpr int kRowTop = 1200;
constexpr int kRowPitch = 240;
constexpr int kRowHeight = 255;

// Rows 1 to 10 form the left column, 11 to 20 the right one; they differ in their
// Left values and in the width of the resolution label.
struct Column {
    int resolutionLeft, resolutionWidth, rateLeft, spinLeft;
};
constexpr Column kLeftColumn = {240, 1095, 1320, 1920};
constexpr Column kRightColumn = {2520, 1215, 3720, 4320};

// The names of the resolution labels skip Label4 and Label5, which the information
// lines use.
std::string ResolutionLabelName(int row) {
    return "Label" + Decimal(row == 1 ? 3 : row + 4);
}

std::vector<ControlSpec> Build() {
    std::vector<ControlSpec> c = {
        {IDC_CMDAPPLY, "cmdApply", ControlKind::Button, "Apply Settings", 120, 3840, 1455, 375,
         Align::Center, 0},
        {IDC_CMDRESET, "cmdReset", ControlKind::Button, "Set Defaults", 1800, 3840, 1215, 375,
         Align::Center, 0},
    };
    for (int row = 1; row <= kRowCount; ++row) {
        const Column& col = row <= 10 ? kLeftColumn : kRightColumn;
        const int top = kRowTop + kRowPitch * ((row - 1) % 10);
        // A spin control draws no text: its text is the name a screen reader gives it.
        c.push_back({UpDownId(row), "UpDown" + Decimal(row), ControlKind::Spin,
                     ResolutionText(kRows[row - 1]) + " refresh rate", col.spinLeft, top, 375,
                     kRowHeight, Align::Center, row});
    }
    c.push_back({IDC_CHECK1, "Check1", ControlKind::CheckButton, "Customize Rates", 3240, 3840,
                 1575, 375, Align::Center, 0});

    const std::vector<ControlSpec> info = {
        {IDC_LABEL1, "Label1", ControlKind::Label, "Device Description:", 240, 120, 1695, 255,
         Align::Left, 0},
        {IDC_LBLADAPTERS, "lblAdapters", ControlKind::Label, "", 1560, 120, 3135, 255, Align::Right,
         0},
        {IDC_LABEL4, "Label4", ControlKind::Label, "OS Version:", 240, 360, 1695, 255, Align::Left,
         0},
        {IDC_LBLOS, "lblOS", ControlKind::Label, "", 1560, 360, 3135, 255, Align::Right, 0},
        {IDC_LABEL5, "Label5", ControlKind::Label, "Detonator Version:", 240, 600, 1695, 255,
         Align::Left, 0},
        {IDC_LBLDETVERSION, "lblDetVersion", ControlKind::Label, "", 1560, 600, 3135, 255,
         Align::Right, 0},
        {IDC_LABEL2, "Label2", ControlKind::Label, "Resolution", 240, 960, 1095, 255, Align::Center,
         0},
        {IDC_LABEL46, "Label46", ControlKind::Label, "Hz", 1320, 960, 495, 255, Align::Center, 0},
        {IDC_LABEL45, "Label45", ControlKind::Label, "Resolution", 2520, 960, 1215, 255,
         Align::Center, 0},
        {IDC_LABEL47, "Label47", ControlKind::Label, "Hz", 3720, 960, 495, 255, Align::Center, 0},
        {IDC_LINE1, "Line1", ControlKind::Line, "", 2400, 960, 0, 2640, Align::Center, 0},
    };
    c.insert(c.end(), info.begin(), info.end());
    for (int row = 1; row <= kRowCount; ++row) {
        const Column& col = row <= 10 ? kLeftColumn : kRightColumn;
        const int top = kRowTop + kRowPitch * ((row - 1) % 10);
        c.push_back({ResolutionLabelId(row), ResolutionLabelName(row), ControlKind::Label,
                     ResolutionText(kRows[row - 1]), col.resolutionLeft, top, col.resolutionWidth,
                     kRowHeight, Align::Center, 0});
        c.push_back({RateLabelId(row), "Label" + Decimal(24 + row), ControlKind::Label, "",
                     col.rateLeft, top, 495, kRowHeight, Align::Center, row});
    }
    return c;
}

}  // namespace

const std::vector<ControlSpec>& MainLayout() {
    static const std::vector<ControlSpec> layout = Build();
    return layout;
}

}  // namespace vexmora
