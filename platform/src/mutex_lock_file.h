// The part of a named mutex that other processes see: a lock file named after
// the mutex, opened once per process.
//
// The file lives in $XDG_RUNTIME_DIR/barcode-mutexes, else in
// /tmp/barcode-mutexes-<uid>, and carries two open-file-description locks
// (fcntl F_OFD_SETLK), which the kernel drops when a process ends however it
// ends:
//   byte 0, exclusive: held by the process whose thread owns the mutex;
//   byte 1, shared:    held by every process that has the mutex open, so that
//                      a process can tell whether the mutex already exists.
// The file's content says "held" while a thread owns the mutex and "free"
// after a proper release. A new owner that finds "held" took over from a
// holder that died, and reports the mutex abandoned.
#pragma once

#include "kernel_objects.h"

#include <memory>
#include <string>

namespace platform {

class MutexLockFile {
  public:
    enum class Opening { Created, OpenedExisting };

    // Opens the lock file of a mutex name. With mayCreate false the mutex must
    // already be open in another process. With ownIfCreated a mutex that this
    // call creates is owned before any other process can open it. Returns null
    // with a Win32 error code in `error` on failure.
    static std::unique_ptr<MutexLockFile> Open(const std::string& name, bool mayCreate,
                                               bool ownIfCreated, Opening& opening, DWORD& error);

    enum class Acquisition { Owned, OwnedAbandoned, TimedOut, Failed };

    // Takes the process-wide ownership; the caller makes sure that only one
    // thread of this process tries at a time.
    Acquisition Acquire(const WaitDeadline& deadline);
    // Gives ownership up after a proper release.
    void Release();
    // Gives ownership up for a holder that ended without releasing, so that
    // the next owner, in whatever process, learns the mutex was abandoned.
    void Abandon();

    ~MutexLockFile();
    MutexLockFile(const MutexLockFile&) = delete;
    MutexLockFile& operator=(const MutexLockFile&) = delete;

  private:
    MutexLockFile(int fd, std::string path) : fd_(fd), path_(std::move(path)) {}

    int fd_;
    std::string path_;
};

} // namespace platform
