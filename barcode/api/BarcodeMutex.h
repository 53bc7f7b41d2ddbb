// The machine-wide lock "BarcodeMutex" that serialises BarcodeInit and
// BarcodePrint across every process that loads the library.
#pragma once

#include "win32api.h"

// Opens (or creates) the named mutex when this process holds no handle yet.
// Returns true when this call obtained the handle.
bool OpenBarcodeMutexOnce();

// Holds the lock for one call when the process has a handle: waits up to
// 5000 ms, and on a time-out proceeds without it. A mutex abandoned by a
// holder that died is owned by the waiter and released like any other, so
// that one crashed process never leaves every later call waiting 5 s.
class CBarcodeLock {
  public:
    CBarcodeLock();
    ~CBarcodeLock();
    CBarcodeLock(const CBarcodeLock&) = delete;
    CBarcodeLock& operator=(const CBarcodeLock&) = delete;

  private:
    HANDLE handle_ = nullptr;
    bool owned_ = false;
};
