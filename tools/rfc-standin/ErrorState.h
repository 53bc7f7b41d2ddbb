// The last error of the library and the caller's error handler.
#pragma once

#include <cstdint>
#include <string>

namespace rfcstandin {

// The record the last error is copied into (545 bytes, all text).
struct ErrorRecord {
    char key[33];
    char status[128];
    char message[256];
    char internalStatus[128];
};
static_assert(sizeof(ErrorRecord) == 545);

// The record a failed open fills.
struct OpenErrorRecord {
    std::int32_t group;
    char key[33];
    char message[512];
};

#ifdef _WIN32
using ErrorHandler = void(__stdcall*)(char* key);
#else
using ErrorHandler = void (*)(char* key);
#endif

// What the caller installs: the handler first.
struct EnvironmentRecord {
    ErrorHandler errorHandler;
    void* (*allocate)(void* pointer, std::size_t size);
};

struct ErrorInfo {
    std::string key;
    std::string status;
    std::string message;
    std::string internalStatus;
};

void SetLastError(const ErrorInfo& error);
void CopyLastError(ErrorRecord& record);
void InstallErrorHandler(ErrorHandler handler);

// Calls the installed handler with the last error's key. The handler may
// never return (a caller may jump back to the start of its operation), so
// this is called last, when every piece of the call's state is settled.
void NotifyErrorHandler();

} // namespace rfcstandin
