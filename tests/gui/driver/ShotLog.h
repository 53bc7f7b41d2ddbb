// The pictures of one case: <directory>\<case>-<n>-<title>.png, numbered
// in the order in which the case visits the windows. Pictures an earlier
// run of the same case left are removed first, so that the folder shows
// exactly the last run.
#pragma once

#include <windows.h>

#include <string>

namespace gui {

class ShotLog {
  public:
    ShotLog(std::string directory, std::string caseName);

    // Saves the window's picture; its path, or empty when none was saved.
    std::string Take(HWND window);

  private:
    std::string directory_;
    std::string caseName_;
    int taken_ = 0;
};

// A text as part of a file name: letters, digits, '-' and '_' stay, runs of
// anything else become one '_'.
std::string FileNamePart(const std::string& text);

} // namespace gui
