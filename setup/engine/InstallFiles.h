// Copying one file into place with its checks, making sure a directory
// exists, and clearing old copies out of the way.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

class InstallSystem;

// A source file smaller than this is taken for a damaged medium.
inline constexpr uint64_t kMinimumInstallFileSize = 100;

// True when the directory exists, or the user agreed to create it (one
// level: its parent must exist) and it was created. Tells the user why not.
bool EnsureDirectory(InstallSystem& system, const std::string& path);

// Creates the directory without asking when it is missing (the repair
// directory, the DLL directory below the utilities directory).
void CreateDirectoryIfMissing(InstallSystem& system, const std::string& path);

// Copies name from the source directory (under its own name or with the
// last character replaced by "_") into the target directory, under
// targetName when one is given. Checks the size and asks before an older
// version replaces a newer one. The copy is written beside the target and
// replaces it only when complete, so a failure leaves the old file intact.
// A missing optional file is skipped without a message; every other failure
// is told in a box. True when the file was copied.
bool CopyInstallFile(InstallSystem& system, std::string_view sourceDirectory,
                     std::string_view targetDirectory, std::string_view name, bool optional,
                     std::string_view targetName = {});

// True when the file is absent or was deleted; tells the user otherwise.
bool RemoveConflictingFile(InstallSystem& system, const std::string& path);

// Old copies of barcode.dll and barcode.dat in the Windows directory would be
// found before the installed ones: asks to delete them until they are gone
// or the user declines, then warns.
void RunConflictCheck(InstallSystem& system, const std::string& windowsDirectory);
