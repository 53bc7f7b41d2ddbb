// A Win32 mutex object within one process: which thread owns it and how many
// times, waits with time-outs, and abandonment when the owner ends. A named
// mutex adds its lock file, which extends the exclusion to other processes.
#pragma once

#include "kernel_objects.h"
#include "mutex_lock_file.h"

#include <condition_variable>
#include <memory>
#include <mutex>

namespace platform {

class MutexObject : public KernelObject, public std::enable_shared_from_this<MutexObject> {
  public:
    // lockFile is null for an unnamed mutex, which only this process sees.
    // Destroying a mutex that a thread still owns (its last handle in this
    // process closed) closes the lock file with the owner's mark in it: a
    // process waiting on the same name gets it abandoned at once, where
    // Windows would wait for the owning thread to end.
    explicit MutexObject(std::unique_ptr<MutexLockFile> lockFile);

    DWORD Wait(const WaitDeadline& deadline) override;
    BOOL Release();

    // Makes the calling thread the owner of a mutex nobody else can see yet
    // (CreateMutexA with initial ownership; the lock file is already owned).
    void TakeInitialOwnership();

    // Called for the mutexes a thread still owns when it ends.
    void AbandonIfOwnedBy(DWORD threadId);

  private:
    bool WaitUntilUnowned(std::unique_lock<std::mutex>& lock, const WaitDeadline& deadline);
    DWORD TakeProcessWideOwnership(std::unique_lock<std::mutex>& lock, const WaitDeadline& deadline,
                                   bool& abandoned);
    void BecomeOwner(DWORD threadId);
    void GiveUpOwnership(bool abandon);

    std::mutex guard_;
    std::condition_variable released_;
    // The owning thread, also set while it is still taking the lock file so
    // that the other threads of this process wait for it.
    DWORD owner_ = 0;
    unsigned count_ = 0;
    // Abandonment of an unnamed mutex; a named one keeps it in its lock file.
    bool abandoned_ = false;
    std::unique_ptr<MutexLockFile> lockFile_;
};

} // namespace platform
