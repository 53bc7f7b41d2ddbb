// The data channel: one pending command per calling thread, for hosts that
// hand over a long command in several print calls. The print worker starts
// it with the first piece, appends every further piece, and reads and clears
// it when the last piece has arrived.
//
// Every operation takes a channel name, as the hosts' protocol does; there is
// exactly one pending command per thread whatever the name.
#pragma once

#include "win32api.h"

#include <cstdint>
#include <mutex>
#include <unordered_map>
#include <vector>

class CDataChannel {
  public:
    // Sets the calling thread's pending command to exactly these bytes.
    void Start(const char* name, const char* bytes, int32_t count);
    // Appends the bytes to the calling thread's pending command, creating an
    // empty one first when there is none.
    void Append(const char* name, const char* bytes, int32_t count);
    // Copies min(length, capacity) bytes of the pending command into the
    // destination, without a terminator, and returns that count (0 without a
    // pending command). With logCommand the whole command is logged.
    int32_t Read(const char* name, char* destination, int32_t capacity, bool logCommand);
    // The whole pending command (empty without one); with logCommand it is
    // logged. The print worker reads long commands this way, never cut.
    std::vector<char> ReadAll(const char* name, bool logCommand);
    // The number of bytes of the calling thread's pending command.
    size_t Length(const char* name);
    // 1 when the calling thread has a pending command of at least one byte.
    int32_t Inquire(const char* name);
    // Drops the calling thread's pending command.
    void Clear(const char* name);

  private:
    // One lock around every operation: threads create and remove their
    // entries in the same map.
    std::mutex lock_;
    std::unordered_map<DWORD, std::vector<char>> pending_;
};

// The data channel of this process.
CDataChannel& DataChannel();
