// One program under test in one case: the running program and a picture of
// every dialog the case visits. The program is ended with the session.
#pragma once

#include "Program.h"
#include "ShotLog.h"

#include <string>
#include <vector>

namespace gui {

class Session {
  public:
    Session(const std::string& caseName, const std::string& file,
            const std::string& workingDirectory, const std::vector<std::string>& arguments = {});

    Program& program() { return program_; }
    const Program& program() const { return program_; }

    // Waits for the dialog with this title and saves its picture; null
    // after the time-out or when the program has ended.
    HWND Visit(const std::string& title, DWORD timeoutMs = kWindowTimeoutMs);
    // The same for whichever dialog the program shows on top.
    HWND VisitAny(DWORD timeoutMs = kWindowTimeoutMs);

    // Saves a picture of a dialog now, after the case changed it: the
    // picture's path, or empty when none was saved.
    std::string TakePicture(HWND dialog) { return dialog ? shots_.Take(dialog) : std::string(); }

    // What the program shows now, for failure messages.
    std::string Showing() const;

  private:
    HWND Record(HWND dialog);

    Program program_;
    ShotLog shots_;
};

} // namespace gui
