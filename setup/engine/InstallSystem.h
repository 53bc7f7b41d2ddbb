// What the installer engine asks of the machine: message boxes, files and
// directories, version resources, the profile, the registry entries, the
// shell link, processes. The Windows side implements each operation with one
// or two system calls (MessageBoxA, CreateDirectoryA, CopyFile's parts,
// MoveFileExA, GetFileVersionInfoA, WritePrivateProfileStringA, the registry
// and shell link calls); the tests implement it in memory. Paths are Windows
// paths; file names compare without regard to case.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// <windows.h> defines ReplaceFile and WriteProfileString as macros for their
// A and W forms, which would rename the operations below in some files and
// not in others. A Windows file includes <windows.h> before this header.
#ifdef ReplaceFile
#undef ReplaceFile
#endif
#ifdef WriteProfileString
#undef WriteProfileString
#endif

enum class BoxIcon { Information, Question, Warning, Error };
enum class BoxButtons { Ok, OkCancel, YesNo };
enum class BoxAnswer { Ok, Cancel, Yes, No };

struct MessageBoxRequest {
    std::string text;
    std::string caption;
    BoxIcon icon = BoxIcon::Error;
    BoxButtons buttons = BoxButtons::Ok;
    bool secondButtonDefault = false; // Cancel or No preselected
};

enum class DirectoryProbe { Exists, Missing, CurrentDirectoryUnreadable };
enum class WriteResult { Written, CannotCreate, WriteFailed };

// Directories of the machine as the system reports them; empty when a
// directory cannot be read.
struct MachineDirectories {
    std::string current;        // the current directory
    std::string windows;        // GetWindowsDirectoryA
    std::string system;         // GetSystemDirectoryA
    std::string programFiles;   // the ProgramFiles environment value
    std::string commonPrograms; // the shell's Programs folder of all users
    std::string userPrograms;   // the shell's Programs folder of the user
};

class InstallSystem {
  public:
    virtual ~InstallSystem() = default;

    // A message box owned by the main window; the answer of the button.
    virtual BoxAnswer ShowBox(const MessageBoxRequest& box) = 0;

    virtual MachineDirectories Directories() = 0;
    virtual bool ThreadLocaleIsGerman() = 0;
    virtual std::string ComputerName() = 0;

    // Whether a directory exists: changing into it succeeds (the current
    // directory is restored); CurrentDirectoryUnreadable when the current
    // directory could not be read to restore it.
    virtual DirectoryProbe ProbeDirectory(const std::string& path) = 0;
    // Creates one directory whose parent exists.
    virtual bool CreateOneDirectory(const std::string& path) = 0;

    virtual bool FileExists(const std::string& path) = 0;
    // Opening the file for reading without text translation succeeds.
    virtual bool OpenableForReading(const std::string& path) = 0;
    // The file's size from its status; nothing when the status cannot be read.
    virtual std::optional<uint64_t> FileSize(const std::string& path) = 0;
    // Reads exactly size bytes from the file's start; false when fewer came.
    virtual bool ReadFileInto(const std::string& path, char* buffer, size_t size) = 0;
    // Creates or truncates the file and writes the bytes without translation.
    virtual WriteResult WriteNewFile(const std::string& path, const char* data, size_t size) = 0;
    // Replaces target by the file at from (MoveFileExA with
    // MOVEFILE_REPLACE_EXISTING); target stays as it was on failure.
    virtual bool ReplaceFile(const std::string& from, const std::string& target) = 0;
    virtual bool DeleteOneFile(const std::string& path) = 0;
    // Writes a text file in text mode: each "\n" becomes the platform's line end.
    virtual bool WriteTextFile(const std::string& path, const std::string& text) = 0;
    // The ProductVersion of the file's version resource (block "040904E4");
    // nothing when the file or its resource or that value is absent.
    virtual std::optional<std::string> ProductVersionOf(const std::string& path) = 0;

    virtual void WriteProfileString(const std::string& section, const std::string& key,
                                    const std::string& value, const std::string& file) = 0;
    // The IniFileMapping of a profile section to the default values.
    virtual void MapSettingsSection(const std::string& section) = 0;
    // The uninstall entry for the utilities directory; failures are silent.
    virtual void WriteUninstallEntry(const std::string& utilitiesDirectory) = 0;
    virtual bool UninstallEntryExists() = 0;
    virtual bool DeleteUninstallEntry() = 0;
    // The shortcut's path, or an empty text when none was made.
    virtual std::string CreateProgramShortcut(const std::string& target,
                                              const std::string& description, bool allUsers) = 0;

    // Runs the program with one argument and waits for it to end.
    virtual bool RunAndWait(const std::string& program, const std::string& argument) = 0;
    // Hands the rest of the work to the command processor ("cmd.exe" with
    // these arguments, joined by CommandLineOf) and ends the installer.
    // Returns false when the command processor could not be started; a real
    // implementation does not return otherwise, a test's returns true.
    virtual bool HandOverToCommandProcessor(const std::vector<std::string>& arguments) = 0;
};
