// Profile files on disk. Every call reads the file afresh (profiles are small
// and other processes may change them); a write replaces the whole file by
// renaming a complete new copy over it.
#include "profile_file.h"

#include "path_util.h"

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <mutex>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace fs = std::filesystem;

namespace platform {

namespace {

constexpr DWORD kErrorDiskFull = 112; // ERROR_DISK_FULL in winerror.h

std::mutex& ProfileLock() {
    static std::mutex lock;
    return lock;
}

class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int Get() const { return fd_; }
    bool Close() { return close(std::exchange(fd_, -1)) == 0; }

  private:
    int fd_;
};

DWORD Win32ErrorOf(int error) {
    switch (error) {
    case ENOENT:
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
        return ERROR_PATH_NOT_FOUND;
    case ENOSPC:
    case EDQUOT:
        return kErrorDiskFull;
    case ENOMEM:
        return ERROR_NOT_ENOUGH_MEMORY;
    default:
        return ERROR_ACCESS_DENIED;
    }
}

// "C:x.ini" names a file relative to a drive, so it is not a bare name.
bool IsBareFileName(std::string_view name) {
    return name.find_first_of("\\/") == std::string_view::npos &&
           !(name.size() >= 2 && name[1] == ':');
}

std::string WindowsDirectory() {
    UINT size = GetWindowsDirectoryA(nullptr, 0);
    std::string directory(size, '\0');
    UINT length = GetWindowsDirectoryA(directory.data(), size);
    directory.resize(length < size ? length : 0);
    return directory;
}

bool ParentDirectoryExists(const std::string& path) {
    fs::path parent = fs::path(path).parent_path();
    struct stat status {};
    return stat(parent.empty() ? "." : parent.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

struct FileContent {
    std::string bytes;
    DWORD error = ERROR_SUCCESS;
};

// A missing file (ERROR_FILE_NOT_FOUND) is an empty profile that a write
// creates; a missing directory (ERROR_PATH_NOT_FOUND) is not, as on Windows.
FileContent ReadFileContent(const std::string& path) {
    FileContent content;
    // Without O_NONBLOCK a FIFO in the place of a profile would hang the caller.
    FileDescriptor file(open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (file.Get() < 0) {
        bool missingFile = errno == ENOENT && ParentDirectoryExists(path);
        content.error = missingFile ? ERROR_FILE_NOT_FOUND : Win32ErrorOf(errno);
        return content;
    }
    struct stat status {};
    if (fstat(file.Get(), &status) != 0 || !S_ISREG(status.st_mode)) {
        content.error = ERROR_ACCESS_DENIED;
        return content;
    }
    content.bytes.reserve(static_cast<size_t>(status.st_size));
    char chunk[65536];
    for (;;) {
        ssize_t count = read(file.Get(), chunk, sizeof chunk);
        if (count > 0) {
            content.bytes.append(chunk, static_cast<size_t>(count));
        } else if (count == 0) {
            break;
        } else if (errno != EINTR) {
            content.error = Win32ErrorOf(errno);
            break;
        }
    }
    return content;
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t count = write(fd, bytes.data(), bytes.size());
        if (count < 0 && errno == EINTR) continue;
        if (count <= 0) return false;
        bytes.remove_prefix(static_cast<size_t>(count));
    }
    return true;
}

// A profile reached through a symbolic link stays a link: the file it points
// to is the one replaced.
std::string ReplacementTarget(const std::string& path) {
    std::error_code error;
    if (fs::is_symlink(path, error)) {
        fs::path target = fs::canonical(path, error);
        if (!error) return target.string();
    }
    return path;
}

// Creates a new, empty file beside the target (in the same directory, so that
// the rename stays within one file system). Returns its descriptor, or -1
// with errno set.
int CreateFileBeside(const std::string& target, std::string& created) {
    static std::atomic<unsigned> counter{0};
    fs::path path(target);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = "." + path.filename().string() + "." + std::to_string(getpid()) + "." +
                           std::to_string(counter++) + ".tmp";
        created = (path.parent_path() / name).string();
        int fd = open(created.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// A crash at any point leaves either the old profile or the new one, never
// half of one.
DWORD ReplaceFileAtomically(const std::string& path, const std::string& content) {
    std::string target = ReplacementTarget(path);
    struct stat existing {};
    bool exists = stat(target.c_str(), &existing) == 0;
    // Windows refuses to write a read-only profile; the rename alone would not.
    if (exists && access(target.c_str(), W_OK) != 0) return ERROR_ACCESS_DENIED;

    std::string temporary;
    FileDescriptor file(CreateFileBeside(target, temporary));
    if (file.Get() < 0) return Win32ErrorOf(errno);

    // The new file keeps the permissions of the one it replaces.
    bool replaced = (!exists || fchmod(file.Get(), existing.st_mode & 07777) == 0) &&
                    WriteAll(file.Get(), content) && fsync(file.Get()) == 0 && file.Close() &&
                    rename(temporary.c_str(), target.c_str()) == 0;
    if (replaced) return ERROR_SUCCESS;
    DWORD error = Win32ErrorOf(errno);
    unlink(temporary.c_str());
    return error;
}

} // namespace

std::string ProfilePath(LPCSTR fileName) {
    std::string name = fileName ? fileName : "win.ini";
    if (IsBareFileName(name)) return MapDosPath((WindowsDirectory() + "/" + name).c_str());
    return MapDosPath(name.c_str());
}

ProfileDocument ReadProfile(LPCSTR fileName) {
    std::string path = ProfilePath(fileName);
    FileContent content;
    {
        std::lock_guard lock(ProfileLock());
        content = ReadFileContent(path);
    }
    if (content.error != ERROR_SUCCESS) SetLastError(content.error);
    return ProfileDocument::Parse(content.bytes);
}

DWORD UpdateProfile(LPCSTR fileName, const std::function<bool(ProfileDocument&)>& edit) {
    std::string path = ProfilePath(fileName);
    std::lock_guard lock(ProfileLock());
    FileContent content = ReadFileContent(path);
    if (content.error != ERROR_SUCCESS && content.error != ERROR_FILE_NOT_FOUND)
        return content.error;
    ProfileDocument document = ProfileDocument::Parse(content.bytes);
    if (!edit(document)) return ERROR_SUCCESS;
    return ReplaceFileAtomically(path, document.Serialize());
}

} // namespace platform
