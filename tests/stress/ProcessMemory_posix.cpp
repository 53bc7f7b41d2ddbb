// Linux: resident pages from /proc/self/statm, the heap in use from malloc's
// own statistics (exact, unlike the resident size, which moves with what the
// allocator keeps for later).
#include "ProcessMemory.h"

#include "win32api.h"

#include <cstdio>
#include <malloc.h>
#include <unistd.h>

namespace stress {

ProcessMemory ReadProcessMemory() {
    ProcessMemory memory;
    long totalPages = 0;
    long residentPages = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &totalPages, &residentPages) != 2) residentPages = 0;
        std::fclose(statm);
    }
    memory.residentBytes = static_cast<int64_t>(residentPages) * sysconf(_SC_PAGESIZE);
    memory.heapBytes = static_cast<int64_t>(mallinfo2().uordblks);
    memory.gdiObjects = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    return memory;
}

} // namespace stress
