// Lock files of named mutexes (see mutex_lock_file.h).
//
// Open file description locks rather than flock: they convert from exclusive
// to shared atomically, which lets the creator of a mutex keep other processes
// out until the mutex is set up (and owned, when asked for).
#include "mutex_lock_file.h"

#include "path_util.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace platform {

namespace {

constexpr off_t kOwnershipByte = 0;
constexpr off_t kUsersByte = 1;
constexpr char kHeldMark[] = "held";
constexpr char kFreeMark[] = "free";
constexpr size_t kMarkSize = 4;

// Longer encoded names are shortened with a hash to stay within NAME_MAX.
constexpr size_t kLongestEncodedName = 200;

// A path that races with a process removing the same lock file makes Open
// start again; more rounds than this mean something else is wrong.
constexpr int kOpenRounds = 100;

bool IsOwnPrivateDirectory(const std::string& dir) {
    struct stat status {};
    return lstat(dir.c_str(), &status) == 0 && S_ISDIR(status.st_mode) &&
           status.st_uid == getuid() && (status.st_mode & 0077) == 0;
}

// Only a directory of our own will do, never one that another user prepared
// for us in /tmp. An unusable $XDG_RUNTIME_DIR (left over after su, say)
// falls back to /tmp.
std::string LockDirectory() {
    std::string runtime = EnvOrEmpty("XDG_RUNTIME_DIR");
    std::vector<std::string> choices;
    if (!runtime.empty()) choices.push_back(runtime + "/barcode-mutexes");
    choices.push_back("/tmp/barcode-mutexes-" + std::to_string(getuid()));
    for (const std::string& dir : choices) {
        mkdir(dir.c_str(), 0700);
        if (IsOwnPrivateDirectory(dir)) return dir;
    }
    return "";
}

uint64_t Fnv1aHash(const std::string& text) {
    uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : text)
        hash = (hash ^ c) * 1099511628211ull;
    return hash;
}

// Mutex names are case-sensitive and may hold any character: percent-encoding
// keeps every name apart and every file name harmless.
std::string LockFileName(const std::string& name) {
    std::string encoded;
    for (unsigned char c : name) {
        bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                     c == '.' || c == '_' || c == '-';
        if (plain) {
            encoded += static_cast<char>(c);
        } else {
            char escape[4];
            std::snprintf(escape, sizeof escape, "%%%02X", c);
            encoded += escape;
        }
    }
    if (encoded.size() > kLongestEncodedName) {
        char hash[17];
        std::snprintf(hash, sizeof hash, "%016llx",
                      static_cast<unsigned long long>(Fnv1aHash(name)));
        encoded = encoded.substr(0, kLongestEncodedName / 2) + "-" + hash;
    }
    return "mutex-" + encoded;
}

enum class LockResult { Locked, Busy, Failed };

LockResult SetByteLock(int fd, off_t byte, short type, bool wait) {
    struct flock lock {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    lock.l_start = byte;
    lock.l_len = 1;
    while (fcntl(fd, wait ? F_OFD_SETLKW : F_OFD_SETLK, &lock) != 0) {
        if (errno == EINTR) continue;
        return errno == EAGAIN || errno == EACCES ? LockResult::Busy : LockResult::Failed;
    }
    return LockResult::Locked;
}

// False when the path no longer names the file that fd has open: a process
// that was the last user removed it meanwhile.
bool StillLinked(int fd, const std::string& path) {
    struct stat opened {};
    struct stat named {};
    return fstat(fd, &opened) == 0 && stat(path.c_str(), &named) == 0 &&
           opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

bool IsHeldMark(int fd) {
    char mark[kMarkSize] = {};
    return pread(fd, mark, kMarkSize, 0) == static_cast<ssize_t>(kMarkSize) &&
           std::equal(mark, mark + kMarkSize, kHeldMark);
}

void WriteMark(int fd, const char* mark) {
    // A lost write only weakens abandonment detection; nothing to recover.
    [[maybe_unused]] ssize_t written = pwrite(fd, mark, kMarkSize, 0);
}

// StartAgain: the file was removed meanwhile; Open tries with a new one.
enum class Setup { Done, StartAgain, NotFound, Failed };

// Joins the users of a lock file this process has just opened, or creates
// the mutex when there are none.

Setup JoinOrCreate(int fd, const std::string& path, bool mayCreate, bool ownIfCreated,
                   MutexLockFile::Opening& opening) {
    LockResult alone = SetByteLock(fd, kUsersByte, F_WRLCK, false);
    if (alone == LockResult::Failed) return Setup::Failed;
    if (alone == LockResult::Busy) {
        // Others have the mutex open; a creator holds the users byte
        // exclusively only while it sets the mutex up.
        if (SetByteLock(fd, kUsersByte, F_RDLCK, true) != LockResult::Locked) return Setup::Failed;
        if (!StillLinked(fd, path)) return Setup::StartAgain;
        opening = MutexLockFile::Opening::OpenedExisting;
        return Setup::Done;
    }
    if (!StillLinked(fd, path)) return Setup::StartAgain;
    if (!mayCreate) {
        // A file left by processes that have all ended: no mutex exists.
        unlink(path.c_str());
        return Setup::NotFound;
    }
    // No process has the mutex, so a "held" mark is stale: a new mutex starts
    // free, as on Windows, where the old one died with its last user.
    if (ownIfCreated && SetByteLock(fd, kOwnershipByte, F_WRLCK, false) != LockResult::Locked)
        return Setup::Failed;
    WriteMark(fd, ownIfCreated ? kHeldMark : kFreeMark);
    // Converting to shared is atomic, so no process gets in before this point.
    if (SetByteLock(fd, kUsersByte, F_RDLCK, false) != LockResult::Locked) return Setup::Failed;
    opening = MutexLockFile::Opening::Created;
    return Setup::Done;
}

} // namespace

std::unique_ptr<MutexLockFile> MutexLockFile::Open(const std::string& name, bool mayCreate,
                                                   bool ownIfCreated, Opening& opening,
                                                   DWORD& error) {
    std::string dir = LockDirectory();
    if (dir.empty()) {
        error = ERROR_ACCESS_DENIED;
        return nullptr;
    }
    std::string path = dir + "/" + LockFileName(name);
    for (int round = 0; round < kOpenRounds; ++round) {
        int fd = open(path.c_str(), O_RDWR | O_CLOEXEC | (mayCreate ? O_CREAT : 0), 0600);
        if (fd < 0) {
            error = errno == ENOENT ? ERROR_FILE_NOT_FOUND : ERROR_ACCESS_DENIED;
            return nullptr;
        }
        Setup setup = JoinOrCreate(fd, path, mayCreate, ownIfCreated, opening);
        if (setup == Setup::Done)
            return std::unique_ptr<MutexLockFile>(new MutexLockFile(fd, path));
        close(fd);
        if (setup == Setup::NotFound) {
            error = ERROR_FILE_NOT_FOUND;
            return nullptr;
        }
        if (setup == Setup::Failed) break;
    }
    error = ERROR_ACCESS_DENIED;
    return nullptr;
}

MutexLockFile::Acquisition MutexLockFile::Acquire(const WaitDeadline& deadline) {
    LockResult result = LockResult::Failed;
    if (deadline.IsInfinite()) {
        result = SetByteLock(fd_, kOwnershipByte, F_WRLCK, true);
    } else {
        // Locks have no time-out: poll, briefly at first, so that short waits
        // stay accurate and long ones stay cheap.
        auto pause = std::chrono::milliseconds(1);
        while ((result = SetByteLock(fd_, kOwnershipByte, F_WRLCK, false)) == LockResult::Busy &&
               !deadline.HasPassed()) {
            std::this_thread::sleep_for(
                std::min<WaitDeadline::Clock::duration>(pause, deadline.Remaining()));
            pause = std::min(pause * 2, std::chrono::milliseconds(16));
        }
    }
    if (result == LockResult::Busy) return Acquisition::TimedOut;
    if (result == LockResult::Failed) return Acquisition::Failed;
    bool abandoned = IsHeldMark(fd_);
    WriteMark(fd_, kHeldMark);
    return abandoned ? Acquisition::OwnedAbandoned : Acquisition::Owned;
}

void MutexLockFile::Release() {
    WriteMark(fd_, kFreeMark);
    SetByteLock(fd_, kOwnershipByte, F_UNLCK, false);
}

void MutexLockFile::Abandon() {
    SetByteLock(fd_, kOwnershipByte, F_UNLCK, false);
}

MutexLockFile::~MutexLockFile() {
    // The last process to close the mutex removes its file; holding the users
    // byte exclusively keeps openers from taking the file meanwhile, and
    // StillLinked sends those who opened it before onto a new file.
    if (SetByteLock(fd_, kUsersByte, F_WRLCK, false) == LockResult::Locked) unlink(path_.c_str());
    close(fd_);
}

} // namespace platform
