// Counts the heap allocations of the calling thread. The bench program
// replaces the global operator new and delete, and since libstdc++ is shared
// that replacement serves libbarcode.so as well.
#pragma once

#include <cstdint>

struct AllocationCount {
    uint64_t allocations = 0;   // operator new calls
    uint64_t deallocations = 0; // operator delete calls with a non-null pointer
};

// What this thread has allocated and released so far.
AllocationCount ThreadAllocations();
