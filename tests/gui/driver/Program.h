// A program under test, started as a user would start it: a file, a working
// directory and arguments. Whatever a case does, the program does not
// outlive the object: one still running is ended, so that no case leaves a
// program behind for the next.
#pragma once

#include "Timeouts.h"

#include <optional>
#include <string>
#include <vector>

namespace gui {

// The exit code of a program the driver had to end.
inline constexpr DWORD kKilledExitCode = 0xDEAD;

class Program {
  public:
    Program(const std::string& file, const std::string& workingDirectory,
            const std::vector<std::string>& arguments = {});
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    bool Started() const { return info_.hProcess != nullptr; }
    // GetLastError() of a start that failed.
    DWORD StartError() const { return startError_; }
    DWORD Id() const { return info_.dwProcessId; }
    bool Running() const;

    // Waits for the program to end: its exit code, or nothing when it still
    // runs after the time-out.
    std::optional<DWORD> WaitForExit(DWORD timeoutMs = kCloseTimeoutMs) const;

    // Ends the program at once, if it still runs.
    void Kill();

  private:
    PROCESS_INFORMATION info_{};
    DWORD startError_ = 0;
};

// A command line whose arguments reach the program's argv as given
// (quoted where they hold blanks or quotes).
std::string CommandLine(const std::string& file, const std::vector<std::string>& arguments);

} // namespace gui
