#pragma once
// Modal message boxes: the program's only way of reporting anything.

#include <string>

namespace vexmora {

// Every message box of the program carries this title.
inline constexpr char kTitle[] = "Vexmora";

constexpr unsigned kMbOk = 0;
constexpr unsigned kMbYesNo = 4;
constexpr unsigned kMbIconError = 16;
constexpr unsigned kMbIconWarning = 0x30;
constexpr unsigned kMbDefButton2 = 0x100;

constexpr int kIdOk = 1;
constexpr int kIdYes = 6;
constexpr int kIdNo = 7;

class DialogsApi {
public:
    virtual ~DialogsApi() = default;
    // MessageBoxA owned by the main window; answers the button pressed.
    virtual int Show(const std::string& text, const std::string& title, unsigned flags) = 0;
};

}  // namespace vexmora
