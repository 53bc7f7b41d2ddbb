#include "ErrorState.h"

#include "FixedText.h"

#include <mutex>

namespace rfcstandin {

namespace {

struct State {
    std::mutex lock;
    ErrorInfo last;
    ErrorHandler handler = nullptr;
};

State& TheState() {
    static State state;
    return state;
}

} // namespace

void SetLastError(const ErrorInfo& error) {
    State& state = TheState();
    std::lock_guard<std::mutex> guard(state.lock);
    state.last = error;
}

void CopyLastError(ErrorRecord& record) {
    State& state = TheState();
    std::lock_guard<std::mutex> guard(state.lock);
    CopyTerminated(record.key, sizeof record.key, state.last.key);
    CopyTerminated(record.status, sizeof record.status, state.last.status);
    CopyTerminated(record.message, sizeof record.message, state.last.message);
    CopyTerminated(record.internalStatus, sizeof record.internalStatus, state.last.internalStatus);
}

void InstallErrorHandler(ErrorHandler handler) {
    State& state = TheState();
    std::lock_guard<std::mutex> guard(state.lock);
    state.handler = handler;
}

void NotifyErrorHandler() {
    // The key goes into a buffer that outlives the handler's jump.
    static thread_local char key[33];
    ErrorHandler handler = nullptr;
    {
        State& state = TheState();
        std::lock_guard<std::mutex> guard(state.lock);
        handler = state.handler;
        CopyTerminated(key, sizeof key, state.last.key);
    }
    if (handler != nullptr) handler(key);
}

} // namespace rfcstandin
