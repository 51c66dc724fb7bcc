// The portable headers mirror these Win32 values so the logic and its fakes build without
// <windows.h>; here each is tied to the value Windows gives it. (The registry roots are
// handed to Windows by name in win32_registry.cpp, so their numbers never reach it.)
#include <windows.h>

#include <htmlhelp.h>

#include "win32_platform.h"

namespace vexmora::win32 {

static_assert(kMbOk == MB_OK && kMbYesNo == MB_YESNO && kMbIconError == MB_ICONERROR &&
              kMbIconWarning == MB_ICONWARNING && kMbDefButton2 == MB_DEFBUTTON2);
static_assert(kIdOk == IDOK && kIdYes == IDYES && kIdNo == IDNO);
static_assert(kRegSz == REG_SZ && kRegExpandSz == REG_EXPAND_SZ && kRegBinary == REG_BINARY &&
              kRegDword == REG_DWORD && kRegMultiSz == REG_MULTI_SZ);
static_assert(kErrorSuccess == ERROR_SUCCESS && kErrorFileNotFound == ERROR_FILE_NOT_FOUND &&
              kErrorInvalidHandle == ERROR_INVALID_HANDLE && kErrorMoreData == ERROR_MORE_DATA &&
              kErrorNoMoreItems == ERROR_NO_MORE_ITEMS);
static_assert(kDisplayDeviceActive == DISPLAY_DEVICE_ACTIVE &&
              kDisplayDevicePrimaryDevice == DISPLAY_DEVICE_PRIMARY_DEVICE);
static_assert(kHhDisplayTopic == HH_DISPLAY_TOPIC && kHhCloseAll == HH_CLOSE_ALL);

}  // namespace vexmora::win32
