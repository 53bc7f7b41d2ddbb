// How the profile functions hand results to their callers: values and lists
// copied into caller buffers with the Windows truncation rules, and numbers
// read the way GetPrivateProfileInt reads them. None of these ever writes
// beyond the size it is given.
#pragma once

#include "win32api.h"

#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Copies a value, without a pair of enclosing quotes, into buffer (size > 0).
// Returns the length copied.
DWORD CopyValueToBuffer(std::string_view value, LPSTR buffer, DWORD size);

// Copies items as NUL-terminated strings followed by one more NUL (size > 0).
// Returns the length without the final NUL; when the list does not fit, the
// last string is cut, the list still ends in two NULs, and the result is
// size - 2.
DWORD CopyListToBuffer(const std::vector<std::string>& items, LPSTR buffer, DWORD size);

// A default value as Windows uses it for a missing key: without trailing
// spaces.
std::string_view WithoutTrailingSpaces(std::string_view defaultValue);

// The number at the start of text: blanks, an optional sign, then decimal
// digits, or hexadecimal, octal or binary ones after "0x", "0o" or "0b".
// Reading stops at the first other character; overflow wraps around.
UINT ParseProfileNumber(std::string_view text);

} // namespace platform
