// Placeholder until the named mutex lands.
#include "win32api.h"
HANDLE CreateMutexA(LPSECURITY_ATTRIBUTES, BOOL, LPCSTR) { return nullptr; }
HANDLE OpenMutexA(DWORD, BOOL, LPCSTR) { return nullptr; }
BOOL ReleaseMutex(HANDLE) { return FALSE; }
DWORD WaitForSingleObject(HANDLE, DWORD) { return WAIT_FAILED; }
BOOL CloseHandle(HANDLE) { return FALSE; }
