// A block of memory in another process, for the messages of common controls
// whose lParam points to a structure (TVM_GETITEM, TVM_GETITEMRECT,
// TCM_GETITEM): the control reads and writes that structure in its own
// process, so it must live there. Neither Windows nor Wine carries these
// structures across processes as they do for WM_GETTEXT.
#pragma once

#include <windows.h>

#include <cstddef>

namespace gui {

class RemoteMemory {
  public:
    // Allocates size bytes, read-write, in the process that owns window.
    RemoteMemory(HWND window, std::size_t size);
    ~RemoteMemory();
    RemoteMemory(const RemoteMemory&) = delete;
    RemoteMemory& operator=(const RemoteMemory&) = delete;

    // False when the process could not be opened or the block allocated.
    bool Usable() const { return address_ != nullptr; }
    std::size_t Size() const { return size_; }
    // The block's address in the other process, offset bytes in: what goes
    // into the message and into pointers inside the structure.
    LPARAM At(std::size_t offset = 0) const {
        return reinterpret_cast<LPARAM>(static_cast<char*>(address_) + offset);
    }

    bool Write(const void* data, std::size_t size, std::size_t offset = 0) const;
    bool Read(void* data, std::size_t size, std::size_t offset = 0) const;

  private:
    HANDLE process_ = nullptr;
    void* address_ = nullptr;
    std::size_t size_ = 0;
};

} // namespace gui
