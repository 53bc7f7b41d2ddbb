// The Windows and System directories, the current directory, file attributes
// and process exit on Linux.
//
// Windows directory: $BARCODE_WINDIR, else ${XDG_CONFIG_HOME:-$HOME/.config}/barcode
//   (profiles such as barcode.ini and win.ini live here).
// System directory: $BARCODE_SYSDIR, else <module dir>/../share/barcode, where
//   the build and the installation put the text catalog next to bin/ and lib/.
#include "path_util.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <filesystem>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace platform {

UINT CopyPathResult(const std::string& text, LPSTR buffer, UINT size) {
    if (buffer == nullptr || text.size() + 1 > size) return static_cast<UINT>(text.size() + 1);
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    return static_cast<UINT>(text.size());
}

void MakeDirectories(const std::string& path) {
    std::error_code ignored;
    fs::create_directories(path, ignored);
}

std::string DirectoryOfThisModule() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&DirectoryOfThisModule), &info) == 0 ||
        info.dli_fname == nullptr)
        return ".";
    std::error_code ignored;
    fs::path file = fs::canonical(info.dli_fname, ignored);
    if (file.empty()) file = info.dli_fname;
    return file.parent_path().string();
}

std::string EnvOrEmpty(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string HomeDirectory() {
    std::string home = EnvOrEmpty("HOME");
    if (!home.empty()) return home;
    if (const passwd* entry = getpwuid(getuid())) return entry->pw_dir;
    return "/tmp";
}

} // namespace platform

using namespace platform;

namespace {

std::string WindowsDirectory() {
    std::string dir = EnvOrEmpty("BARCODE_WINDIR");
    if (dir.empty()) {
        std::string config = EnvOrEmpty("XDG_CONFIG_HOME");
        if (config.empty()) config = HomeDirectory() + "/.config";
        dir = config + "/barcode";
    }
    // On Windows the Windows directory always exists; profiles are written there.
    MakeDirectories(dir);
    return dir;
}

std::string SystemDirectory() {
    std::string dir = EnvOrEmpty("BARCODE_SYSDIR");
    if (!dir.empty()) return dir;
    return fs::path(DirectoryOfThisModule() + "/../share/barcode").lexically_normal().string();
}

} // namespace

UINT GetWindowsDirectoryA(LPSTR buffer, UINT size) {
    return CopyPathResult(WindowsDirectory(), buffer, size);
}

UINT GetSystemDirectoryA(LPSTR buffer, UINT size) {
    return CopyPathResult(SystemDirectory(), buffer, size);
}

DWORD GetCurrentDirectoryA(DWORD size, LPSTR buffer) {
    std::error_code error;
    fs::path current = fs::current_path(error);
    if (error) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return 0;
    }
    return CopyPathResult(current.string(), buffer, size);
}

DWORD GetFileAttributesA(LPCSTR fileName) {
    struct stat status {};
    if (fileName == nullptr || stat(MapDosPath(fileName).c_str(), &status) != 0) {
        SetLastError(errno == ENOTDIR ? ERROR_PATH_NOT_FOUND : ERROR_FILE_NOT_FOUND);
        return INVALID_FILE_ATTRIBUTES;
    }
    if (S_ISDIR(status.st_mode)) return FILE_ATTRIBUTE_DIRECTORY;
    return (status.st_mode & S_IWUSR) ? FILE_ATTRIBUTE_NORMAL : FILE_ATTRIBUTE_READONLY;
}

BOOL DeleteFileA(LPCSTR fileName) {
    if (fileName != nullptr && unlink(MapDosPath(fileName).c_str()) == 0) return TRUE;
    SetLastError(errno == EACCES || errno == EPERM ? ERROR_ACCESS_DENIED : ERROR_FILE_NOT_FOUND);
    return FALSE;
}

BOOL CreateDirectoryA(LPCSTR pathName, LPSECURITY_ATTRIBUTES) {
    if (pathName != nullptr && mkdir(MapDosPath(pathName).c_str(), 0777) == 0) return TRUE;
    SetLastError(errno == EEXIST ? ERROR_ALREADY_EXISTS : ERROR_PATH_NOT_FOUND);
    return FALSE;
}

void ExitProcess(UINT exitCode) {
    std::fflush(nullptr);
    _exit(static_cast<int>(exitCode));
}

void TerminateThisProcess(int exitCode) {
    std::fflush(nullptr);
    _exit(exitCode);
}
