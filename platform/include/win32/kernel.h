// Kernel functions of the Win32 subset (Linux build).
#pragma once

#include "types.h"

// Errors and threads.
DWORD GetLastError();
void SetLastError(DWORD error);
DWORD GetCurrentThreadId();
DWORD GetCurrentProcessId();
// The pseudo handle of the calling process, (HANDLE)-1 as on Windows.
HANDLE GetCurrentProcess();
void Sleep(DWORD milliseconds);
DWORD GetTickCount();

// Named mutexes that exclude other threads and other processes; a holder that
// dies leaves the mutex abandoned (the next wait returns WAIT_ABANDONED and
// owns it), never locked.
struct SECURITY_ATTRIBUTES;
typedef SECURITY_ATTRIBUTES* LPSECURITY_ATTRIBUTES;
HANDLE CreateMutexA(LPSECURITY_ATTRIBUTES attributes, BOOL initialOwner, LPCSTR name);
HANDLE OpenMutexA(DWORD access, BOOL inherit, LPCSTR name);
BOOL ReleaseMutex(HANDLE mutex);
DWORD WaitForSingleObject(HANDLE handle, DWORD milliseconds);
BOOL CloseHandle(HANDLE handle);
#define SYNCHRONIZE 0x00100000L
#define MUTEX_ALL_ACCESS 0x001F0001

// Modules over dlopen.
HMODULE LoadLibraryA(LPCSTR fileName);
HMODULE GetModuleHandleA(LPCSTR moduleName);
DWORD GetModuleFileNameA(HMODULE module, LPSTR fileName, DWORD size);
FARPROC GetProcAddress(HMODULE module, LPCSTR procName);
BOOL FreeLibrary(HMODULE module);

// Directories and files.
UINT GetWindowsDirectoryA(LPSTR buffer, UINT size);
UINT GetSystemDirectoryA(LPSTR buffer, UINT size);
DWORD GetCurrentDirectoryA(DWORD size, LPSTR buffer);
DWORD GetFileAttributesA(LPCSTR fileName);
BOOL DeleteFileA(LPCSTR fileName);
BOOL CreateDirectoryA(LPCSTR pathName, LPSECURITY_ATTRIBUTES attributes);

void ExitProcess(UINT exitCode);
