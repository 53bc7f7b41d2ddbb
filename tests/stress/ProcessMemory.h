// What a process holds in memory and in GDI objects, read the same way in
// both builds, so that a long run of print requests can show it stays flat.
#pragma once

#include <cstdint>

namespace stress {

struct ProcessMemory {
    int64_t residentBytes = 0; // pages in memory (working set)
    int64_t heapBytes = 0;     // bytes allocated and not freed (private bytes on Windows)
    int64_t gdiObjects = -1;   // GDI objects of the process; -1 where it cannot be read
};

ProcessMemory ReadProcessMemory();

} // namespace stress
