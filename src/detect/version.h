#pragma once
// The Windows system directory and a file's four-part version, as the start-up
// sequence shows them.

#include <string>

#include "platform/system_api.h"

namespace vexmora {

// The system directory, or empty text when Windows does not answer it.
std::string GetSystemDir(SystemApi& sys);

// The file version as "a.b.c.d", or "N/A" when the file has no readable version.
std::string GetVersionInfo(SystemApi& sys, const std::string& sFile);

// "6.14.10.4523" becomes "6.14.10.4523 (45.23)": the driver's build number in the
// form NVIDIA prints it.
std::string VersionCaption(const std::string& version);

}  // namespace vexmora
