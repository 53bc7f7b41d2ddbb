// Kernel object handles of the Linux platform layer: the per-process table
// behind HANDLE values, and what every waitable object provides.
#pragma once

#include "win32api.h"

#include <chrono>
#include <memory>

namespace platform {

// The end of a wait given as Win32 milliseconds; INFINITE never ends.
class WaitDeadline {
  public:
    using Clock = std::chrono::steady_clock;

    static WaitDeadline After(DWORD milliseconds);

    bool IsInfinite() const { return infinite_; }
    bool HasPassed() const { return !infinite_ && Clock::now() >= when_; }
    Clock::time_point When() const { return when_; }
    // Time left, zero once passed; meaningless for an infinite deadline.
    Clock::duration Remaining() const;

  private:
    bool infinite_ = true;
    Clock::time_point when_{};
};

class KernelObject {
  public:
    virtual ~KernelObject() = default;
    // WaitForSingleObject on a handle of this object.
    virtual DWORD Wait(const WaitDeadline& deadline) = 0;
};

// A new handle for the object; the object lives while any handle does (or
// while a caller still uses it, such as a thread waiting on it).
HANDLE InsertHandle(std::shared_ptr<KernelObject> object);

// The object behind a handle, or null for a handle that is not open.
std::shared_ptr<KernelObject> LookupHandle(HANDLE handle);

template <typename Object> std::shared_ptr<Object> LookupHandleOf(HANDLE handle) {
    return std::dynamic_pointer_cast<Object>(LookupHandle(handle));
}

} // namespace platform
