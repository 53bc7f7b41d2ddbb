#include "ConfigurationFile_win.h"

#include "catalog/Translate.h"

namespace {

// The profile value holds at most this many bytes, its end included.
constexpr DWORD kPathBufferSize = 500;

} // namespace

CConfigurationFile::~CConfigurationFile() {
    if (IsOpen()) CloseHandle(file_);
}

bool CConfigurationFile::Open() {
    const char* section = GetText(201, 21, true);
    const char* key = GetText(201, 22, true);
    char path[kPathBufferSize] = {};
    GetProfileStringA(section, key, GetText(201, 23, true), path, kPathBufferSize);
    HANDLE file = CreateFileA(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    if (IsOpen()) CloseHandle(file_);
    file_ = file;
    path_ = path;
    WriteProfileStringA(section, key, path);
    return true;
}
