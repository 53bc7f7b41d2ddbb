// Windows: the working set, the bytes in use in every heap of the process
// (walked block by block: Wine reports no private bytes), and the GDI
// objects as the window manager counts them (Wine answers 0).
#include "ProcessMemory.h"

#include <windows.h>
#include <psapi.h>

namespace stress {

namespace {

int64_t BytesInUse(HANDLE heap) {
    int64_t inUse = 0;
    if (!HeapLock(heap)) return 0;
    PROCESS_HEAP_ENTRY entry{};
    while (HeapWalk(heap, &entry))
        if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) inUse += entry.cbData;
    HeapUnlock(heap);
    return inUse;
}

int64_t HeapBytesInUse() {
    HANDLE heaps[64];
    const DWORD count = GetProcessHeaps(64, heaps);
    int64_t inUse = 0;
    for (DWORD i = 0; i < count && i < 64; ++i)
        inUse += BytesInUse(heaps[i]);
    return inUse;
}

} // namespace

ProcessMemory ReadProcessMemory() {
    ProcessMemory memory;
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    if (GetProcessMemoryInfo(GetCurrentProcess(),
                             reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                             sizeof counters)) {
        memory.residentBytes = static_cast<int64_t>(counters.WorkingSetSize);
    }
    memory.heapBytes = HeapBytesInUse();
    memory.gdiObjects = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    return memory;
}

} // namespace stress
