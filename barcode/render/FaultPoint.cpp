// The fault seam of the drawing surface.
#include "render/FaultPoint.h"

#include <atomic>

namespace {

std::atomic<FaultHook> faultHook{nullptr};

} // namespace

void SetFaultHook(FaultHook hook) {
    faultHook.store(hook);
}

void FaultPoint() {
    if (FaultHook hook = faultHook.load(std::memory_order_relaxed)) hook();
}
