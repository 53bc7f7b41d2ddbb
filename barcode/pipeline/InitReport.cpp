// The set-up of the first BarcodeInit or print call of a process.
#include "pipeline/InitReport.h"

#include "catalog/Translate.h"
#include "defaults/DefaultsReader.h"
#include "log/Log.h"

#include <atomic>
#include <cstdio>
#include <mutex>

namespace {

std::atomic<bool> initialised{false};

const char* BuildWidthWord() {
    return sizeof(void*) == 4 ? GetText(104, 110, false) : GetText(104, 112, false);
}

} // namespace

int BuildInitReport(char* text, size_t size) {
    static std::mutex setUpLock;
    std::lock_guard<std::mutex> guard(setUpLock);
    if (initialised.load()) {
        if (text != nullptr && size > 0) text[0] = '\0';
        return 1;
    }
    const char* profileFile = GetText(104, 234, true);
    const char* section = GetText(104, 18, true);
    LogInit(profileFile, section);
    ReadDefaults(section);
    if (text != nullptr && size > 0)
        std::snprintf(text, size, GetText(104, 111, false), "4.2.4", BuildWidthWord(), profileFile);
    initialised.store(true);
    return 1;
}

bool IsProcessInitialised() {
    return initialised.load();
}
