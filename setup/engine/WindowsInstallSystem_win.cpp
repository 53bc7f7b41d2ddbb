#include "WindowsInstallSystem_win.h"

#include "InstallPaths.h"
#include "InstallRegistry_win.h"
#include "ProgramShortcut_win.h"
#include "RemovalRepair.h"

#include <windows.h>

#include <shlobj.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

constexpr const char* kProductVersionValue = "\\StringFileInfo\\040904E4\\ProductVersion";
// ReadFile and WriteFile move at most a DWORD at a time; a chunk well below.
constexpr size_t kTransferChunk = size_t{1} << 30;
// The command processor waits for the ending installer: "ping -n 3" takes
// about two seconds and needs nothing but the system's own programs.
constexpr const char* kHandOverDelay = "ping -n 3 127.0.0.1 >nul &";

// A text the system writes into a caller's buffer, given the buffer and its
// size and returning the length written (or the size needed when larger).
template <typename Call> std::string SystemText(Call call) {
    std::vector<char> buffer(MAX_PATH + 1);
    DWORD length = call(buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length >= buffer.size()) {
        buffer.resize(length + 1);
        length = call(buffer.data(), static_cast<DWORD>(buffer.size()));
    }
    if (length == 0 || length >= buffer.size()) return {};
    return std::string(buffer.data(), length);
}

std::string CurrentDirectory() {
    return SystemText([](char* buffer, DWORD size) { return GetCurrentDirectoryA(size, buffer); });
}

std::string SystemDirectory() {
    return SystemText([](char* buffer, DWORD size) { return GetSystemDirectoryA(buffer, size); });
}

std::string ShellFolder(int folder) {
    char path[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathA(nullptr, folder, nullptr, SHGFP_TYPE_CURRENT, path))) return {};
    return path;
}

std::string ProgramsFolder(bool allUsers) {
    return ShellFolder(allUsers ? CSIDL_COMMON_PROGRAMS : CSIDL_PROGRAMS);
}

// A file handle closed when it goes.
class FileHandle {
  public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle() { Close(); }
    bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return handle_; }
    bool Close() {
        if (!IsOpen()) return true;
        bool closed = CloseHandle(handle_) != FALSE;
        handle_ = INVALID_HANDLE_VALUE;
        return closed;
    }

  private:
    HANDLE handle_;
};

HANDLE OpenForReading(const std::string& path) {
    return CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

bool WriteAll(HANDLE file, const char* data, size_t size) {
    while (size > 0) {
        DWORD chunk = static_cast<DWORD>(std::min(size, kTransferChunk));
        DWORD written = 0;
        if (!WriteFile(file, data, chunk, &written, nullptr) || written == 0) return false;
        data += written;
        size -= written;
    }
    return true;
}

std::string WithWindowsLineEnds(const std::string& text) {
    std::string converted;
    converted.reserve(text.size() + text.size() / 16);
    for (char c : text) {
        if (c == '\n') converted += '\r';
        converted += c;
    }
    return converted;
}

// Starts a program with the command line; the process handle, or nothing.
HANDLE StartProcess(const std::string& program, std::string commandLine, DWORD flags,
                    const char* workingDirectory) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    if (!CreateProcessA(program.c_str(), line.data(), nullptr, nullptr, FALSE, flags, nullptr,
                        workingDirectory, &startup, &process))
        return nullptr;
    CloseHandle(process.hThread);
    return process.hProcess;
}

} // namespace

MachineDirectories WindowsInstallSystem::Directories() {
    MachineDirectories machine;
    machine.current = CurrentDirectory();
    machine.windows =
        SystemText([](char* buffer, DWORD size) { return GetWindowsDirectoryA(buffer, size); });
    machine.system = SystemDirectory();
    machine.programFiles = SystemText([](char* buffer, DWORD size) {
        return GetEnvironmentVariableA("ProgramFiles", buffer, size);
    });
    machine.commonPrograms = ProgramsFolder(true);
    machine.userPrograms = ProgramsFolder(false);
    return machine;
}

bool WindowsInstallSystem::ThreadLocaleIsGerman() {
    return PRIMARYLANGID(LANGIDFROMLCID(GetThreadLocale())) == LANG_GERMAN;
}

std::string WindowsInstallSystem::ComputerName() {
    char name[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD size = sizeof name;
    if (!GetComputerNameA(name, &size)) return {};
    return std::string(name, size);
}

DirectoryProbe WindowsInstallSystem::ProbeDirectory(const std::string& path) {
    const std::string previous = CurrentDirectory();
    if (previous.empty()) return DirectoryProbe::CurrentDirectoryUnreadable;
    if (!SetCurrentDirectoryA(path.c_str())) return DirectoryProbe::Missing;
    SetCurrentDirectoryA(previous.c_str());
    return DirectoryProbe::Exists;
}

bool WindowsInstallSystem::CreateOneDirectory(const std::string& path) {
    return CreateDirectoryA(path.c_str(), nullptr) != FALSE;
}

bool WindowsInstallSystem::FileExists(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool WindowsInstallSystem::OpenableForReading(const std::string& path) {
    return FileHandle(OpenForReading(path)).IsOpen();
}

std::optional<uint64_t> WindowsInstallSystem::FileSize(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA status{};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &status)) return std::nullopt;
    return (uint64_t{status.nFileSizeHigh} << 32) | status.nFileSizeLow;
}

bool WindowsInstallSystem::ReadFileInto(const std::string& path, char* buffer, size_t size) {
    FileHandle file(OpenForReading(path));
    if (!file.IsOpen()) return false;
    size_t total = 0;
    while (total < size) {
        DWORD chunk = static_cast<DWORD>(std::min(size - total, kTransferChunk));
        DWORD read = 0;
        if (!ReadFile(file.Get(), buffer + total, chunk, &read, nullptr) || read == 0) return false;
        total += read;
    }
    return true;
}

WriteResult WindowsInstallSystem::WriteNewFile(const std::string& path, const char* data,
                                               size_t size) {
    FileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsOpen()) return WriteResult::CannotCreate;
    // On disk before it can replace a target: a crash after the swap must
    // not leave an empty file in the old one's place.
    if (!WriteAll(file.Get(), data, size) || !FlushFileBuffers(file.Get()) || !file.Close())
        return WriteResult::WriteFailed;
    return WriteResult::Written;
}

bool WindowsInstallSystem::ReplaceFile(const std::string& from, const std::string& target) {
    return MoveFileExA(from.c_str(), target.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

bool WindowsInstallSystem::DeleteOneFile(const std::string& path) {
    return DeleteFileA(path.c_str()) != FALSE;
}

bool WindowsInstallSystem::WriteTextFile(const std::string& path, const std::string& text) {
    const std::string converted = WithWindowsLineEnds(text);
    return WriteNewFile(path, converted.data(), converted.size()) == WriteResult::Written;
}

std::optional<std::string> WindowsInstallSystem::ProductVersionOf(const std::string& path) {
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
    if (size == 0) return std::nullopt;
    std::vector<char> block(size);
    if (!GetFileVersionInfoA(path.c_str(), 0, size, block.data())) return std::nullopt;
    char* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(block.data(), kProductVersionValue, reinterpret_cast<void**>(&value),
                        &length) ||
        value == nullptr || length == 0)
        return std::nullopt;
    return std::string(value, strnlen(value, length));
}

void WindowsInstallSystem::WriteProfileString(const std::string& section, const std::string& key,
                                              const std::string& value, const std::string& file) {
    WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), file.c_str());
}

void WindowsInstallSystem::MapSettingsSection(const std::string& section) {
    install_registry::MapSettingsSection(section);
}

void WindowsInstallSystem::WriteUninstallEntry(const std::string& utilitiesDirectory) {
    install_registry::WriteUninstallEntry(utilitiesDirectory);
}

bool WindowsInstallSystem::UninstallEntryExists() {
    return install_registry::UninstallEntryExists();
}

bool WindowsInstallSystem::DeleteUninstallEntry() {
    return install_registry::DeleteUninstallEntry();
}

std::string WindowsInstallSystem::CreateProgramShortcut(const std::string& target,
                                                        const std::string& description,
                                                        bool allUsers) {
    const std::string folder = ProgramsFolder(allUsers);
    if (folder.empty()) return {};
    std::string path = ShortcutPath(folder, target);
    // Only a shortcut that exists goes into the removal list.
    return SaveShellLink(path, target, description, boxes_) ? path : std::string();
}

bool WindowsInstallSystem::RunAndWait(const std::string& program, const std::string& argument) {
    HANDLE process = StartProcess(program, CommandLineOf({program, argument}), 0, nullptr);
    if (process == nullptr) return false;
    WaitForSingleObject(process, INFINITE);
    CloseHandle(process);
    return true;
}

bool WindowsInstallSystem::HandOverToCommandProcessor(const std::vector<std::string>& arguments) {
    const std::string systemDirectory = SystemDirectory();
    if (systemDirectory.empty()) return false;
    const std::string commandProcessor = JoinPath(systemDirectory, "cmd.exe");
    // Detached and started in the System directory, so that neither a
    // console nor a current directory ties it to what it removes.
    HANDLE process =
        StartProcess(commandProcessor, DelayedCommandLine(commandProcessor, arguments),
                     DETACHED_PROCESS | CREATE_NEW_PROCESS_GROUP, systemDirectory.c_str());
    if (process == nullptr) return false;
    CloseHandle(process);
    if (afterHandOver_ == AfterHandOver::EndInstaller) ExitProcess(0);
    return true;
}

std::string DelayedCommandLine(const std::string& commandProcessor,
                               const std::vector<std::string>& arguments) {
    std::string line = CommandLineOf({commandProcessor});
    if (arguments.empty() || arguments.front() != "/c")
        return line + ' ' + CommandLineOf(arguments);
    const std::vector<std::string> command(arguments.begin() + 1, arguments.end());
    return line + " /c " + kHandOverDelay + ' ' + CommandLineOf(command);
}
