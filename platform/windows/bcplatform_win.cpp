// The functions of bcplatform.h on Windows: thin wrappers, since Windows
// itself gives the behaviour the Linux layer has to provide.
#include "win32api.h"

#include <share.h>

FILE* OpenFileStream(const char* path, const char* mode) {
    return std::fopen(path, mode);
}

FILE* OpenExclusiveFileStream(const char* path) {
    // Denying write access to others makes a second process's open fail with
    // a sharing violation before it could truncate the file.
    return _fsopen(path, "w+", _SH_DENYWR);
}

std::string MapDosPath(const char* path) {
    return path ? path : "";
}

void TerminateThisProcess(int exitCode) {
    std::fflush(nullptr);
    ExitProcess(static_cast<UINT>(exitCode));
}
