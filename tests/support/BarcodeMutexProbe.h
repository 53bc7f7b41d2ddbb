// Whether the machine-wide lock "BarcodeMutex" is free: another thread tries
// to take it without waiting (a thread of its own, since the lock is
// recursive for the thread that holds it).
#pragma once

#include "win32api.h"

#include <thread>

namespace testsupport {

inline DWORD ProbeBarcodeMutex() {
    DWORD waited = WAIT_TIMEOUT;
    std::thread other([&] {
        HANDLE mutex = CreateMutexA(nullptr, FALSE, "BarcodeMutex");
        waited = WaitForSingleObject(mutex, 0);
        if (waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED) ReleaseMutex(mutex);
        CloseHandle(mutex);
    });
    other.join();
    return waited;
}

} // namespace testsupport
