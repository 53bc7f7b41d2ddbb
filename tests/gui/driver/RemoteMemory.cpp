#include "RemoteMemory.h"

namespace gui {

RemoteMemory::RemoteMemory(HWND window, std::size_t size) : size_(size) {
    DWORD processId = 0;
    if (!GetWindowThreadProcessId(window, &processId)) return;
    process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE,
                           processId);
    if (!process_) return;
    address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
}

RemoteMemory::~RemoteMemory() {
    // The process may have ended; its memory went with it.
    if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    if (process_) CloseHandle(process_);
}

bool RemoteMemory::Write(const void* data, std::size_t size, std::size_t offset) const {
    if (!address_ || offset > size_ || size > size_ - offset) return false;
    SIZE_T written = 0;
    return WriteProcessMemory(process_, static_cast<char*>(address_) + offset, data, size,
                              &written) &&
           written == size;
}

bool RemoteMemory::Read(void* data, std::size_t size, std::size_t offset) const {
    if (!address_ || offset > size_ || size > size_ - offset) return false;
    SIZE_T read = 0;
    return ReadProcessMemory(process_, static_cast<char*>(address_) + offset, data, size,
                             &read) &&
           read == size;
}

} // namespace gui
