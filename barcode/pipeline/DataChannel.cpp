// The data channel: pending commands per thread.
#include "pipeline/DataChannel.h"

#include "log/Log.h"
#include "text/PrintableText.h"

#include <algorithm>
#include <climits>
#include <cstring>

namespace {

constexpr int kOperationLogLevel = 6;
constexpr int kCommandLogLevel = 3;

// The bytes a caller hands over; a null pointer or a negative count is no bytes.
size_t ByteCount(const char* bytes, int32_t count) {
    return bytes != nullptr && count > 0 ? static_cast<size_t>(count) : 0;
}

// Writes the operation's log line and returns the calling thread's id, the
// key of its pending command. Ids are logged with "%d".
DWORD LogOperation(const char* format) {
    DWORD thread = GetCurrentThreadId();
    LogWrite(kOperationLogLevel, format, static_cast<int>(thread));
    return thread;
}

void LogReceivedCommand(const std::vector<char>& command) {
    if (!LogWillWrite(kCommandLogLevel)) return;
    LogWrite(kCommandLogLevel, "Received command via data channel: \"%s\"\n",
             PrintableText(command.data(),
                           static_cast<int32_t>(std::min<size_t>(command.size(), INT32_MAX))));
}

} // namespace

void CDataChannel::Start(const char* name, const char* bytes, int32_t count) {
    DWORD thread = LogOperation("S id %d\n");
    std::lock_guard<std::mutex> guard(lock_);
    pending_[thread].assign(bytes, bytes + ByteCount(bytes, count));
}

void CDataChannel::Append(const char* name, const char* bytes, int32_t count) {
    DWORD thread = LogOperation("A id %d\n");
    std::lock_guard<std::mutex> guard(lock_);
    std::vector<char>& command = pending_[thread];
    command.insert(command.end(), bytes, bytes + ByteCount(bytes, count));
}

int32_t CDataChannel::Read(const char* name, char* destination, int32_t capacity, bool logCommand) {
    DWORD thread = LogOperation("G id %d\n");
    std::lock_guard<std::mutex> guard(lock_);
    auto found = pending_.find(thread);
    if (found == pending_.end()) return 0;
    const std::vector<char>& command = found->second;
    size_t count = std::min(command.size(), ByteCount(destination, capacity));
    if (count > 0) std::memcpy(destination, command.data(), count);
    if (logCommand) LogReceivedCommand(command);
    return static_cast<int32_t>(count);
}

std::vector<char> CDataChannel::ReadAll(const char* name, bool logCommand) {
    DWORD thread = LogOperation("G id %d\n");
    std::lock_guard<std::mutex> guard(lock_);
    auto found = pending_.find(thread);
    if (found == pending_.end()) return {};
    if (logCommand) LogReceivedCommand(found->second);
    return found->second;
}

size_t CDataChannel::Length(const char* name) {
    std::lock_guard<std::mutex> guard(lock_);
    auto found = pending_.find(GetCurrentThreadId());
    return found != pending_.end() ? found->second.size() : 0;
}

int32_t CDataChannel::Inquire(const char* name) {
    DWORD thread = LogOperation("I id %d\n");
    std::lock_guard<std::mutex> guard(lock_);
    auto found = pending_.find(thread);
    return found != pending_.end() && !found->second.empty() ? 1 : 0;
}

void CDataChannel::Clear(const char* name) {
    DWORD thread = LogOperation("C id %d\n");
    std::lock_guard<std::mutex> guard(lock_);
    pending_.erase(thread);
}

CDataChannel& DataChannel() {
    static CDataChannel channel;
    return channel;
}
