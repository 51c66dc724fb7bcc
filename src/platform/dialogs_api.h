#pragma once
// Modal message boxes: the program's only way of reporting anything. The messages they
// show are in messages.h.

#include <string>

namespace vexmora {

// Every message box of the program carries this title.
inline constexpr char kTitle[] = "Vexmora";

constexpr unsigned kMbOk = 0;
constexpr unsigned kMbYesNo = 4;
constexpr unsigned kMbIconError = 16;
constexpr unsigned kMbIconWarning = 0x30;
constexpr unsigned kMbDefButton2 = 0x100;

// What a box is for, which decides its icon and buttons.
enum class BoxKind : unsigned {
    Question = kMbYesNo,                                          // Yes, the default, or No
    WarningQuestion = kMbYesNo | kMbIconWarning | kMbDefButton2,  // Yes or No, the default
    Stop = kMbIconError,                                          // an error; OK
    Notice = kMbOk,                                               // OK
};

constexpr int kIdOk = 1;
constexpr int kIdYes = 6;
constexpr int kIdNo = 7;

// A box's text and what it is for: one never goes without the other.
struct Message {
    const char* text;
    BoxKind kind;
};

class DialogsApi {
public:
    virtual ~DialogsApi() = default;
    // A box titled kTitle, owned by the main window; answers the button pressed.
    int Show(const Message& message) { return Box(message.text, message.kind); }
    // The same, with detail in place of the "%s" in its text.
    int Show(const Message& message, const std::string& detail) {
        std::string text = message.text;
        const auto at = text.find("%s");
        return Box(at == std::string::npos ? text : text.replace(at, 2, detail), message.kind);
    }

protected:
    // MessageBoxA, with kind as its flags.
    virtual int Box(const std::string& text, BoxKind kind) = 0;
};

}  // namespace vexmora
