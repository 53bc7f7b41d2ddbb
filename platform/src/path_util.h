// Helpers shared by the Linux platform layer's file-related functions.
#pragma once

#include "win32api.h"

#include <string>

namespace platform {

// Copies text into a caller's buffer with the Win32 directory-function rules:
// the length without terminator when it fits, else the size needed including
// the terminator (and the buffer untouched).
UINT CopyPathResult(const std::string& text, LPSTR buffer, UINT size);

// Creates a directory and its parents; existing ones are fine.
void MakeDirectories(const std::string& path);

// The directory that holds the module (program or shared library) containing
// this code.
std::string DirectoryOfThisModule();

// Environment variable value, or empty when unset.
std::string EnvOrEmpty(const char* name);

// $HOME, or the password database's home directory.
std::string HomeDirectory();

} // namespace platform
