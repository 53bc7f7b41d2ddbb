// The handle table, CloseHandle and WaitForSingleObject.
//
// Handle values are multiples of four, as on Windows, and are never reused,
// so that a stale handle fails with ERROR_INVALID_HANDLE instead of reaching
// another object.
#include "kernel_objects.h"

#include <mutex>
#include <unordered_map>

namespace platform {

WaitDeadline WaitDeadline::After(DWORD milliseconds) {
    WaitDeadline deadline;
    if (milliseconds != INFINITE) {
        deadline.infinite_ = false;
        deadline.when_ = Clock::now() + std::chrono::milliseconds(milliseconds);
    }
    return deadline;
}

WaitDeadline::Clock::duration WaitDeadline::Remaining() const {
    auto left = when_ - Clock::now();
    return left > Clock::duration::zero() ? left : Clock::duration::zero();
}

namespace {

class HandleTable {
  public:
    HANDLE Insert(std::shared_ptr<KernelObject> object) {
        std::lock_guard lock(mutex_);
        nextValue_ += 4;
        objects_.emplace(nextValue_, std::move(object));
        return reinterpret_cast<HANDLE>(nextValue_);
    }

    std::shared_ptr<KernelObject> Lookup(HANDLE handle) {
        std::lock_guard lock(mutex_);
        auto found = objects_.find(reinterpret_cast<uintptr_t>(handle));
        return found == objects_.end() ? nullptr : found->second;
    }

    std::shared_ptr<KernelObject> Remove(HANDLE handle) {
        std::lock_guard lock(mutex_);
        auto found = objects_.find(reinterpret_cast<uintptr_t>(handle));
        if (found == objects_.end()) return nullptr;
        auto object = std::move(found->second);
        objects_.erase(found);
        return object;
    }

  private:
    std::mutex mutex_;
    std::unordered_map<uintptr_t, std::shared_ptr<KernelObject>> objects_;
    uintptr_t nextValue_ = 0;
};

// Never destroyed: static destructors of other modules may still close
// handles while the process ends.
HandleTable& Handles() {
    static HandleTable* table = new HandleTable;
    return *table;
}

} // namespace

HANDLE InsertHandle(std::shared_ptr<KernelObject> object) {
    return Handles().Insert(std::move(object));
}

std::shared_ptr<KernelObject> LookupHandle(HANDLE handle) {
    return Handles().Lookup(handle);
}

} // namespace platform

using namespace platform;

DWORD WaitForSingleObject(HANDLE handle, DWORD milliseconds) {
    std::shared_ptr<KernelObject> object = LookupHandle(handle);
    if (!object) {
        SetLastError(ERROR_INVALID_HANDLE);
        return WAIT_FAILED;
    }
    return object->Wait(WaitDeadline::After(milliseconds));
}

BOOL CloseHandle(HANDLE handle) {
    // INVALID_HANDLE_VALUE is also the current process's pseudo handle, which
    // Windows lets one close; code that closes without checking relies on it.
    if (handle == INVALID_HANDLE_VALUE) return TRUE;
    // The object may be destroyed here, after the table's lock is released:
    // its destructor may take locks of its own.
    std::shared_ptr<KernelObject> object = Handles().Remove(handle);
    if (!object) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    return TRUE;
}
