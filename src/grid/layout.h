#pragma once
// Where every control of the main window sits, in twips (1440 to the inch), and what it
// says at creation. The Win32 window is built from this table in this order, which is
// also the keyboard focus order of the controls that take the focus.

#include <string>
#include <vector>

#include "grid/control_ids.h"
#include "platform/twips.h"
#include "version.h"

namespace vexmora {

enum class ControlKind { Label, Button, CheckButton, Spin, Line };
enum class Align { Left, Center, Right };

struct ControlSpec {
    int id;
    std::string name;
    ControlKind kind;
    std::string text;
    int left, top, width, height;
    Align align;
    int row;  // 1 to 20 for rate labels and spin controls, 0 otherwise
};

inline constexpr char kMainCaption[] = "Windows 2000/XP Vexmora v" VEXMORA_VERSION;
constexpr TwipsSize kMainClient = {4935, 4350};

// The main window's controls.
const std::vector<ControlSpec>& MainLayout();

}  // namespace vexmora
