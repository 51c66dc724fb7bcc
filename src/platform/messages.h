#pragma once
// Every message box the program shows, its text and its kind, said once here. Users and
// the help quote the texts as they stand, typos included, so they change only with the help.

#include "platform/dialogs_api.h"

// The help file beside the program, as the Help menu opens it and its message names it.
#define VEXMORA_HELP_FILE "vexmhelp.chm"

namespace vexmora {

// Start-up: the machine does not fit, and the program ends.
inline constexpr Message kNoCompatibleOs = {"No compatible Operating System found", BoxKind::Stop};
inline constexpr Message kNoCompatibleDriver = {"No compatible Detonator version found",
                                                BoxKind::Stop};

// Apply and Set Defaults.
inline constexpr Message kAskApply = {
    "Are you sure you want to apply these values to the registry?", BoxKind::Question};
inline constexpr Message kApplied = {
    "Values added succesfully, please remember to REBOOT your PC to apply the changes",
    BoxKind::Notice};
inline constexpr Message kAskReset = {
    "AAre you sure you wish to set the Nvidia driver default values?", BoxKind::Question};
inline constexpr Message kResetDone = {"Default values reset successfully", BoxKind::Notice};
inline constexpr Message kWriteError = {"Error writing to the registry", BoxKind::Stop};

// Before Apply, when the monitor reports limits: the rows beyond them stand for the %s.
inline constexpr Message kBeyondMonitor = {
    "These rates are beyond what your monitor reports it can show: %s. A rate the monitor "
    "cannot show may leave the screen blank after the restart. Apply anyway?",
    BoxKind::WarningQuestion};

// The Help menu.
inline constexpr Message kHelpNotFound = {"Help file (" VEXMORA_HELP_FILE ") not found",
                                          BoxKind::Stop};
inline constexpr Message kHelpViewerFailed = {"Vexmora could not open its help file.",
                                              BoxKind::Stop};
inline constexpr Message kAboutFailed = {"Vexmora could not open its About box.", BoxKind::Stop};

// Windows refused the main window or one of its controls.
inline constexpr Message kCannotCreate = {"Vexmora could not create its window.", BoxKind::Stop};

}  // namespace vexmora
