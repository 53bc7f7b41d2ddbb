// Robust timing of one operation: repeated in batches that each last at
// least a minimum time, several batches, the fastest batch counts (the
// machine may run other work; interference only ever makes a batch slower).
#pragma once

#include <functional>

// One operation; false means it failed and timing it would be meaningless.
using Operation = std::function<bool()>;

struct TimingOptions {
    double minimumBatchSeconds = 0.05;
    int batches = 5;
};

// Nanoseconds per operation of the fastest batch, or a negative value when
// the operation failed on its first run (it is not timed then).
double TimePerOperation(const Operation& operation, const TimingOptions& options = {});
