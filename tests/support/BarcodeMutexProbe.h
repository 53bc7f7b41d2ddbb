// Whether the machine-wide lock "BarcodeMutex" comes free: another thread
// tries to take it (a thread of its own, since the lock is recursive for the
// thread that holds it). Other test programs print under the same lock at
// the same time, so the thread waits a while: a lock they hold comes free
// within milliseconds, one that this process kept never does.
#pragma once

#include "win32api.h"

#include <thread>

namespace testsupport {

inline constexpr DWORD kBarcodeMutexProbeWaitMs = 3000;

// The probing thread's wait result (WAIT_OBJECT_0: the lock came free).
inline DWORD ProbeBarcodeMutex() {
    DWORD waited = WAIT_TIMEOUT;
    std::thread other([&] {
        HANDLE mutex = CreateMutexA(nullptr, FALSE, "BarcodeMutex");
        waited = WaitForSingleObject(mutex, kBarcodeMutexProbeWaitMs);
        if (waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED) ReleaseMutex(mutex);
        CloseHandle(mutex);
    });
    other.join();
    return waited;
}

} // namespace testsupport
