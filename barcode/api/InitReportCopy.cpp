// The init report's copy into the host's buffer.
#include "api/InitReportCopy.h"

#include <cstdio>
#include <cstring>
#include <ctime>
#include <mutex>

namespace {

constexpr char kNoTime[] = "NoTime";
constexpr int kStampLength = 11; // "[hh:mm:ss] "
// A stamp is written only while more than this much room is left, so that a
// few characters of the line always follow it.
constexpr int kStampMinimumRoom = 15;

// The stamp buffer has room for any value the compiler can imagine.
using StampBuffer = char[32];

void FormatLocalTime(StampBuffer& stamp) {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    {
        // localtime shares one result among threads on some C libraries.
        static std::mutex localtimeLock;
        std::lock_guard<std::mutex> guard(localtimeLock);
        const std::tm* found = std::localtime(&now);
        if (found != nullptr) local = *found;
    }
    std::snprintf(stamp, sizeof stamp, "[%02d:%02d:%02d] ", local.tm_hour % 100, local.tm_min % 100,
                  local.tm_sec % 100);
}

} // namespace

bool AsksForNoTimeStamps(const char* buffer, int size) {
    return buffer != nullptr && size >= static_cast<int>(sizeof kNoTime) &&
           std::memcmp(buffer, kNoTime, sizeof kNoTime) == 0;
}

void CopyInitReport(const char* report, char* buffer, int size, bool timeStamps) {
    if (buffer == nullptr || size < 1) return;
    if (report == nullptr) report = "";
    StampBuffer stamp = {};
    if (timeStamps) FormatLocalTime(stamp);
    char* out = buffer;
    int room = size;
    for (const char* in = report; room >= 2 && *in != '\0'; ++in) {
        *out++ = *in;
        --room;
        if (*in == '\n' && timeStamps && in[1] != '\0' && room > kStampMinimumRoom) {
            std::memcpy(out, stamp, kStampLength);
            out += kStampLength;
            room -= kStampLength;
        }
    }
    *out = '\0';
}
