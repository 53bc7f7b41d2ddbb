// The handle is per process: a handle is meaningless in any other process,
// so each process opens "BarcodeMutex" by name for itself.
#include "api/BarcodeMutex.h"

#include <atomic>
#include <mutex>

namespace {

constexpr char kMutexName[] = "BarcodeMutex";
constexpr DWORD kWaitMilliseconds = 5000;

std::atomic<HANDLE> processMutex{nullptr};

} // namespace

bool OpenBarcodeMutexOnce() {
    static std::mutex openLock;
    std::lock_guard<std::mutex> guard(openLock);
    if (processMutex.load() != nullptr) return false;
    HANDLE handle = CreateMutexA(nullptr, FALSE, kMutexName);
    processMutex.store(handle);
    return handle != nullptr;
}

CBarcodeLock::CBarcodeLock() : handle_(processMutex.load()) {
    if (handle_ == nullptr) return;
    DWORD result = WaitForSingleObject(handle_, kWaitMilliseconds);
    owned_ = result == WAIT_OBJECT_0 || result == WAIT_ABANDONED;
}

CBarcodeLock::~CBarcodeLock() {
    if (owned_) ReleaseMutex(handle_);
}
