// Profile files on disk: where a profile name points, reading it, and
// replacing it atomically. One process-wide lock serialises all access, so a
// read-modify-write of one thread never loses the write of another.
#pragma once

#include "profile_document.h"
#include "win32api.h"

#include <functional>
#include <string>

namespace platform {

// The file a profile name means: a bare name lives in the Windows directory,
// anything else is a (possibly DOS) path; no name means "win.ini".
std::string ProfilePath(LPCSTR fileName);

// The profile's content; empty when the file is missing or unreadable (the
// last error then says why), as Windows then answers every query with the
// default.
ProfileDocument ReadProfile(LPCSTR fileName);

// Applies edit to the profile and, when edit reports a change, replaces the
// file with the result. Returns ERROR_SUCCESS or the Win32 error.
DWORD UpdateProfile(LPCSTR fileName, const std::function<bool(ProfileDocument&)>& edit);

} // namespace platform
