#pragma once
// Every text the program shows in a message box, said once here. Users and the help quote
// them as they stand, typos included, so they change only with the help.

namespace vexmora {

// Start-up: the machine does not fit, and the program ends.
inline constexpr char kNoCompatibleOs[] = "No compatible Operating System found";
inline constexpr char kNoCompatibleDriver[] = "No compatible Detonator version found";

// Apply and Set Defaults.
inline constexpr char kAskApply[] = "Are you sure you want to apply these values to the registry?";
inline constexpr char kApplied[] =
    "Values added succesfully, please remember to REBOOT your PC to apply the changes";
inline constexpr char kAskReset[] =
    "AAre you sure you wish to set the Nvidia driver default values?";
inline constexpr char kResetDone[] = "Default values reset successfully";
inline constexpr char kWriteError[] = "Error writing to the registry";

// Before Apply, when the monitor reports limits: the rows beyond them go between the two.
inline constexpr char kBeyondMonitorBefore[] =
    "These rates are beyond what your monitor reports it can show: ";
inline constexpr char kBeyondMonitorAfter[] =
    ". A rate the monitor cannot show may leave the screen blank after the restart. "
    "Apply anyway?";

// The Help menu.
inline constexpr char kHelpNotFound[] = "Help file (vexmhelp.chm) not found";
inline constexpr char kHelpViewerFailed[] = "Vexmora could not open its help file.";
inline constexpr char kAboutFailed[] = "Vexmora could not open its About box.";

// Windows refused the main window or one of its controls.
inline constexpr char kCannotCreate[] = "Vexmora could not create its window.";

}  // namespace vexmora
