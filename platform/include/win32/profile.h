// Profile (INI file) functions of the Win32 subset (Linux build).
//
// Windows rules: a file name without a path lives in the Windows directory;
// section and key names compare without regard to case; values are trimmed;
// writes keep the rest of the file and replace it atomically.
#pragma once

#include "types.h"

DWORD GetPrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR defaultValue,
                               LPSTR buffer, DWORD size, LPCSTR fileName);
UINT GetPrivateProfileIntA(LPCSTR section, LPCSTR key, INT defaultValue, LPCSTR fileName);
BOOL WritePrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR value, LPCSTR fileName);
DWORD GetPrivateProfileSectionNamesA(LPSTR buffer, DWORD size, LPCSTR fileName);
DWORD GetPrivateProfileSectionA(LPCSTR section, LPSTR buffer, DWORD size, LPCSTR fileName);

// The same on "win.ini".
DWORD GetProfileStringA(LPCSTR section, LPCSTR key, LPCSTR defaultValue, LPSTR buffer,
                        DWORD size);
UINT GetProfileIntA(LPCSTR section, LPCSTR key, INT defaultValue);
BOOL WriteProfileStringA(LPCSTR section, LPCSTR key, LPCSTR value);
