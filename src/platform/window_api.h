#pragma once
// What the main window's logic needs from its widgets: label captions to show, the
// twenty spin controls, and the other windows of the program.

#include <string>

namespace vexmora {

// The labels whose captions the program changes at run time.
enum class LabelId { Adapters, Os, DetVersion, Rate };

class MainWindowApi {
public:
    virtual ~MainWindowApi() = default;
    // row is 1 to 20 for LabelId::Rate and ignored otherwise.
    virtual void SetCaption(LabelId label, int row, const std::string& text) = 0;
    virtual int SpinPosition(int row) = 0;
    virtual void SetSpinPosition(int row, int position) = 0;
    virtual void EnableSpin(int row, bool enabled) = 0;
    // Shows the one About box, loading it first if it is not open; false when Windows
    // refused to create it.
    virtual bool ShowAbout() = 0;
    // Ends the program at once, with every window it has open.
    virtual void EndProgram() = 0;
};

}  // namespace vexmora
