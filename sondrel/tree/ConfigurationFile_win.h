// The configuration file the program holds while it runs: its path is a
// value of the Windows profile, and the file is opened for reading and
// writing with writing denied to others, so that a second Sondrel on the
// same file starts without it. Its content is not read: holding it marks the
// configuration as in use.
#pragma once

#include <windows.h>

#include <string>

class CConfigurationFile {
  public:
    CConfigurationFile() = default;
    CConfigurationFile(const CConfigurationFile&) = delete;
    CConfigurationFile& operator=(const CConfigurationFile&) = delete;
    ~CConfigurationFile();

    // Opens the file the profile names (an existing file only) and writes
    // its path back to the profile. False, and nothing shown, when it cannot
    // be opened (absent, or held by another program).
    bool Open();
    bool IsOpen() const { return file_ != INVALID_HANDLE_VALUE; }
    const std::string& Path() const { return path_; }

  private:
    HANDLE file_ = INVALID_HANDLE_VALUE;
    std::string path_;
};
