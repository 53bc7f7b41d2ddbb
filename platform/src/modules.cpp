// Placeholder until module loading lands.
#include "win32api.h"
HMODULE LoadLibraryA(LPCSTR) { SetLastError(ERROR_MOD_NOT_FOUND); return nullptr; }
HMODULE GetModuleHandleA(LPCSTR) { return nullptr; }
DWORD GetModuleFileNameA(HMODULE, LPSTR, DWORD) { return 0; }
FARPROC GetProcAddress(HMODULE, LPCSTR) { return nullptr; }
BOOL FreeLibrary(HMODULE) { return FALSE; }
