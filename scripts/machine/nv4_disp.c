/* A stand-in display driver DLL: nothing but a version resource to read. */
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    return (void)instance, (void)reason, (void)reserved, TRUE;
}
