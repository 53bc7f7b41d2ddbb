/* A DLL that holds nothing but its version resource: the installer's
   version guard reads it as it reads a delivered file. */
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    (void)instance;
    (void)reason;
    (void)reserved;
    return TRUE;
}
