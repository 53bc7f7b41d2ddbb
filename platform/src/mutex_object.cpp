// Mutex objects within one process (see mutex_object.h).
#include "mutex_object.h"

#include <utility>
#include <vector>

namespace platform {

namespace {

// The mutexes a thread owns. When the thread ends they are abandoned, so a
// thread that forgets to release, or ends on an error path, cannot block the
// others for good (Windows does the same).
class MutexesOwnedByThread {
  public:
    ~MutexesOwnedByThread() {
        DWORD self = GetCurrentThreadId();
        for (const auto& owned : mutexes_)
            if (auto mutex = owned.lock()) mutex->AbandonIfOwnedBy(self);
    }

    void Remember(std::weak_ptr<MutexObject> mutex) {
        std::erase_if(mutexes_, [](const auto& owned) { return owned.expired(); });
        mutexes_.push_back(std::move(mutex));
    }

    void Forget(const std::weak_ptr<MutexObject>& mutex) {
        // owner_before compares without locking: locking could make this the
        // last reference of another mutex and destroy it here.
        std::erase_if(mutexes_, [&](const auto& owned) {
            return !owned.owner_before(mutex) && !mutex.owner_before(owned);
        });
    }

  private:
    std::vector<std::weak_ptr<MutexObject>> mutexes_;
};

MutexesOwnedByThread& OwnedByThisThread() {
    thread_local MutexesOwnedByThread owned;
    return owned;
}

} // namespace

MutexObject::MutexObject(std::unique_ptr<MutexLockFile> lockFile)
    : lockFile_(std::move(lockFile)) {}

DWORD MutexObject::Wait(const WaitDeadline& deadline) {
    DWORD self = GetCurrentThreadId();
    std::unique_lock lock(guard_);
    // Only this thread sets owner_ to its own id, so it is the owner here,
    // not a thread still taking the lock file.
    if (owner_ == self) {
        ++count_;
        return WAIT_OBJECT_0;
    }
    if (!WaitUntilUnowned(lock, deadline)) return WAIT_TIMEOUT;
    owner_ = self;
    bool abandoned = std::exchange(abandoned_, false);
    if (lockFile_) {
        DWORD result = TakeProcessWideOwnership(lock, deadline, abandoned);
        if (result != WAIT_OBJECT_0) {
            owner_ = 0;
            released_.notify_one();
            return result;
        }
    }
    BecomeOwner(self);
    return abandoned ? WAIT_ABANDONED : WAIT_OBJECT_0;
}

BOOL MutexObject::Release() {
    std::lock_guard lock(guard_);
    if (owner_ != GetCurrentThreadId() || count_ == 0) {
        SetLastError(ERROR_NOT_OWNER);
        return FALSE;
    }
    if (--count_ == 0) {
        OwnedByThisThread().Forget(weak_from_this());
        GiveUpOwnership(false);
    }
    return TRUE;
}

void MutexObject::TakeInitialOwnership() {
    std::lock_guard lock(guard_);
    BecomeOwner(GetCurrentThreadId());
}

void MutexObject::AbandonIfOwnedBy(DWORD threadId) {
    std::lock_guard lock(guard_);
    if (owner_ == threadId && count_ > 0) GiveUpOwnership(true);
}

bool MutexObject::WaitUntilUnowned(std::unique_lock<std::mutex>& lock,
                                   const WaitDeadline& deadline) {
    auto unowned = [this] { return owner_ == 0; };
    if (deadline.IsInfinite()) {
        released_.wait(lock, unowned);
        return true;
    }
    return released_.wait_until(lock, deadline.When(), unowned);
}

// Other processes are kept out by the lock file. Taking it may take long, so
// the guard is let go meanwhile; owner_ already keeps this process's other
// threads waiting.
DWORD MutexObject::TakeProcessWideOwnership(std::unique_lock<std::mutex>& lock,
                                            const WaitDeadline& deadline, bool& abandoned) {
    lock.unlock();
    MutexLockFile::Acquisition acquisition = lockFile_->Acquire(deadline);
    lock.lock();
    switch (acquisition) {
    case MutexLockFile::Acquisition::Owned:
        return WAIT_OBJECT_0;
    case MutexLockFile::Acquisition::OwnedAbandoned:
        abandoned = true;
        return WAIT_OBJECT_0;
    case MutexLockFile::Acquisition::TimedOut:
        return WAIT_TIMEOUT;
    case MutexLockFile::Acquisition::Failed:
        break;
    }
    SetLastError(ERROR_ACCESS_DENIED);
    return WAIT_FAILED;
}

void MutexObject::BecomeOwner(DWORD threadId) {
    owner_ = threadId;
    count_ = 1;
    OwnedByThisThread().Remember(weak_from_this());
}

void MutexObject::GiveUpOwnership(bool abandon) {
    if (lockFile_) {
        if (abandon)
            lockFile_->Abandon();
        else
            lockFile_->Release();
    } else {
        abandoned_ = abandon;
    }
    owner_ = 0;
    count_ = 0;
    released_.notify_one();
}

} // namespace platform
