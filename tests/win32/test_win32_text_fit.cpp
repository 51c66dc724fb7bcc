#include <windows.h>

#include <doctest/doctest.h>

#include <string>
#include <vector>

#include "catalogue/adapters.h"
#include "grid/layout.h"
#include "main_window.h"

using namespace vexmora;

namespace {

// The width in pixels a label's text takes in the label font at this DPI.
int TextWidth(HDC dc, const std::string& text) {
    SIZE size = {};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

// The one description wider than its label: it ends in an ellipsis.
const std::string kTooWide = "NVIDIA RIVA TNT2 Model 64/Model 64 Pro";

}  // namespace

TEST_CASE("every text fits its control in Tahoma 8.25 pt at 96, 120 and 144 DPI") {
    HDC dc = CreateCompatibleDC(nullptr);
    for (int dpi : {96, 120, 144}) {
        CAPTURE(dpi);
        HFONT font = window::CreateLabelFont(dpi);
        HGDIOBJ old = SelectObject(dc, font);
        char face[64] = {};
        GetTextFaceA(dc, sizeof face, face);
        CHECK(std::string(face) == "Tahoma");

        for (const AdapterProfile& row : AdapterTable()) {
            CAPTURE(row.description);
            CHECK((TextWidth(dc, row.description) <= MulDiv(3135, dpi, 1440)) ==
                  (row.description != kTooWide));
        }
        for (const ControlSpec& c : MainLayout()) {
            if (c.kind == ControlKind::Line || c.name == "lblAdapters") continue;
            std::vector<std::string> texts = {c.text};
            // What the program writes into the labels that start empty, at their longest.
            if (c.name == "lblDetVersion") texts = {"65535.65535.65535.65535 (55.35)"};
            if (c.name == "lblOS") texts = {"Windows 2000"};
            if (c.row != 0 && c.kind == ControlKind::Label) texts = {"N/A", "120", "32767"};
            // Buttons draw their caption inside a frame of a few pixels.
            const int margin = c.kind == ControlKind::Label ? 0 : 8;
            for (const std::string& text : texts) {
                CAPTURE(c.name);
                CAPTURE(text);
                CHECK(TextWidth(dc, text) + margin <= MulDiv(c.width, dpi, 1440));
            }
        }
        SelectObject(dc, old);
        DeleteObject(font);
    }
    DeleteDC(dc);
}
