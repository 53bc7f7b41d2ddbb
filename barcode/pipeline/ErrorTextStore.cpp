// The error texts of the printing threads, in static storage.
#include "pipeline/ErrorTextStore.h"

#include "pipeline/RequestErrorSink.h"
#include "win32api.h"

#include <cstdint>
#include <mutex>

namespace {

struct ErrorTextSlot {
    DWORD thread;
    uint64_t lastUse; // 0: never used
    char text[kErrorMessageBufferSize];
};

// Static, not allocated: the store must work when the heap does not (an
// allocation failure is reported through it), and it is never freed.
ErrorTextSlot slots[kErrorTextSlots];
std::mutex slotLock;
uint64_t useClock = 0;

} // namespace

char* ThreadErrorText() {
    const DWORD self = GetCurrentThreadId();
    std::lock_guard<std::mutex> guard(slotLock);
    ErrorTextSlot* oldest = &slots[0];
    for (ErrorTextSlot& slot : slots) {
        if (slot.lastUse != 0 && slot.thread == self) {
            slot.lastUse = ++useClock;
            return slot.text;
        }
        if (slot.lastUse < oldest->lastUse) oldest = &slot;
    }
    oldest->thread = self;
    oldest->lastUse = ++useClock;
    oldest->text[0] = '\0';
    return oldest->text;
}
