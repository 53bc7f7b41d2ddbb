// Placeholder until the profile functions land.
#include "win32api.h"
DWORD GetPrivateProfileStringA(LPCSTR, LPCSTR, LPCSTR def, LPSTR buffer, DWORD size, LPCSTR) {
    if (!buffer || !size) return 0;
    buffer[0] = 0;
    if (def) { size_t n = 0; while (def[n] && n + 1 < size) { buffer[n] = def[n]; ++n; } buffer[n] = 0; return (DWORD)n; }
    return 0;
}
UINT GetPrivateProfileIntA(LPCSTR, LPCSTR, INT def, LPCSTR) { return (UINT)def; }
BOOL WritePrivateProfileStringA(LPCSTR, LPCSTR, LPCSTR, LPCSTR) { return FALSE; }
DWORD GetPrivateProfileSectionNamesA(LPSTR, DWORD, LPCSTR) { return 0; }
DWORD GetPrivateProfileSectionA(LPCSTR, LPSTR, DWORD, LPCSTR) { return 0; }
DWORD GetProfileStringA(LPCSTR s, LPCSTR k, LPCSTR d, LPSTR b, DWORD n) { return GetPrivateProfileStringA(s, k, d, b, n, "win.ini"); }
UINT GetProfileIntA(LPCSTR s, LPCSTR k, INT d) { return GetPrivateProfileIntA(s, k, d, "win.ini"); }
BOOL WriteProfileStringA(LPCSTR s, LPCSTR k, LPCSTR v) { return WritePrivateProfileStringA(s, k, v, "win.ini"); }
