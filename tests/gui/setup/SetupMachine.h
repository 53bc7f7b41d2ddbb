// The machine as the installer leaves it, read from outside the installer
// with the system's own calls: files and their bytes, HKEY_LOCAL_MACHINE
// values, the profile functions, the shell link of the test program.
#pragma once

#include <windows.h>

#include <chrono>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace setupgui {

// The registry keys an installation writes (below HKEY_LOCAL_MACHINE).
inline constexpr const char* kIniFileMappingKey =
    "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\IniFileMapping\\barcode.ini";
inline constexpr const char* kSettingsKey = "Software\\Korvell\\barcodeDLL\\Settings";
inline constexpr const char* kUninstallKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\BarcodeDLL";

std::string FileBytes(const std::string& path);
bool WriteFileBytes(const std::string& path, const std::string& bytes);
bool PathExists(const std::string& path);
// The names of the files (not directories) in a directory, lower case.
std::set<std::string> FileNamesIn(const std::string& directory);
// Waits until nothing is at the path; false when it is still there.
bool WaitUntilGone(const std::string& path, std::chrono::milliseconds timeout);
// Copies the named files of a directory into another (made when needed);
// false when one of them could not be copied.
bool CopyFiles(const std::string& from, const std::string& to,
               const std::vector<std::string>& names);

// A string value of HKEY_LOCAL_MACHINE (REG_SZ), without a terminating NUL.
std::optional<std::string> MachineString(const std::string& key, const std::string& name);
bool MachineKeyExists(const std::string& key);
// Every string value of a key, to put it back later.
std::vector<std::pair<std::string, std::string>> MachineStrings(const std::string& key);
void WriteMachineStrings(const std::string& key,
                         const std::vector<std::pair<std::string, std::string>>& values);
void DeleteMachineKey(const std::string& key);

// GetPrivateProfileStringA with "<absent>" as the default.
std::string ProfileString(const std::string& section, const std::string& key,
                          const std::string& file);

struct ShellLinkContent {
    std::string target;
    std::string description;
};
std::optional<ShellLinkContent> ReadShellLink(const std::string& path);
// The all-users Programs folder of the start menu.
std::string CommonProgramsFolder();
std::string SystemDirectory();

// The ProductVersion of block 040904E4 of a file's version resource; empty
// when it has none.
std::string ProductVersionOf(const std::string& path);

// Removes what an earlier run may have left of an installation in U: the
// registry entries, U itself, the shortcut and the DLL's section of
// barcode.ini.
void RemoveInstallation(const std::string& utilities);

// Case-insensitive comparison of paths and names.
bool SameText(const std::string& a, const std::string& b);

} // namespace setupgui
