// Batches that last long enough for the clock, the fastest of several.
#include "BatchTimer.h"

#include <algorithm>
#include <chrono>
#include <cstdint>

namespace {

using Clock = std::chrono::steady_clock;

// Seconds that count repetitions take; false when one run failed.
bool RunBatch(const Operation& operation, uint64_t count, double& seconds) {
    const Clock::time_point start = Clock::now();
    bool ok = true;
    for (uint64_t i = 0; i < count; ++i)
        ok &= operation();
    seconds = std::chrono::duration<double>(Clock::now() - start).count();
    return ok;
}

// Doubles the batch until it lasts the minimum time.
uint64_t CalibrateCount(const Operation& operation, double minimumSeconds) {
    uint64_t count = 1;
    double seconds = 0;
    while (RunBatch(operation, count, seconds) && seconds < minimumSeconds) {
        const double scale = seconds > 0 ? minimumSeconds / seconds : 16.0;
        count = std::max<uint64_t>(count * 2, static_cast<uint64_t>(count * std::min(scale, 16.0)));
    }
    return count;
}

} // namespace

double TimePerOperation(const Operation& operation, const TimingOptions& options) {
    if (!operation()) return -1;
    const uint64_t count = CalibrateCount(operation, options.minimumBatchSeconds);
    double best = 0;
    for (int batch = 0; batch < options.batches; ++batch) {
        double seconds = 0;
        if (!RunBatch(operation, count, seconds)) return -1;
        if (batch == 0 || seconds < best) best = seconds;
    }
    return best * 1e9 / static_cast<double>(count);
}
