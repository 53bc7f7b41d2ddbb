// The one export of the library's test build (BarcodeFaults): arms a fault
// that the drawing surface raises in the middle of a later request, so that
// tests can show through the ordinary exports that no fault leaves the
// library. The product library does not contain this file.
#include "api/BarcodeRecords.h"
#include "render/FaultPoint.h"

#include <atomic>
#include <new>
#include <stdexcept>

namespace {

// What BarcodeTestArmFault's kind raises.
enum FaultKind { kNoFault = 0, kAllocationFailure = 1, kThrownError = 2, kForeignThrow = 3 };

std::atomic<int> armedKind{kNoFault};
std::atomic<int> fillsBeforeFault{0};

// Raised once, at the armed fill; the hook then disarms itself.
void RaiseArmedFault() {
    if (armedKind.load() == kNoFault || fillsBeforeFault.fetch_sub(1) > 0) return;
    const int kind = armedKind.exchange(kNoFault);
    switch (kind) {
    case kAllocationFailure:
        throw std::bad_alloc();
    case kThrownError:
        throw std::runtime_error("fault raised by the test build");
    case kForeignThrow:
        throw kind; // not a std::exception
    default:
        break;
    }
}

} // namespace

extern "C" {

// kind 1: an allocation failure, 2: a std::runtime_error, 3: a thrown int, 0:
// disarm; raised at the (fillsBefore + 1)-th fill of the drawing surface.
int __stdcall BarcodeTestArmFault(int kind, int fillsBefore) {
    SetFaultHook(&RaiseArmedFault);
    fillsBeforeFault.store(fillsBefore < 0 ? 0 : fillsBefore);
    armedKind.store(kind);
    return 1;
}

} // extern "C"
