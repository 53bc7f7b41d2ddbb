// A log opened for one test at a chosen level, in a scratch directory, and
// closed again afterwards.
#pragma once

#include "ScratchDirectory.h"
#include "log/Log.h"
#include "win32api.h"

#include <string>

class TestLog {
  public:
    explicit TestLog(int level) : scratch_("testlog"), file_(scratch_.File("trace.log")) {
        LogResetForTesting();
        std::string profile = scratch_.File("log.ini");
        std::string levelText = std::to_string(level);
        WritePrivateProfileStringA("Trace", "LogEnabled", levelText.c_str(), profile.c_str());
        WritePrivateProfileStringA("Trace", "LogFile", file_.c_str(), profile.c_str());
        LogInit(profile.c_str(), "Trace");
    }
    ~TestLog() { LogResetForTesting(); }

    // Everything written so far, line ends as "\n".
    std::string Text() const { return testsupport::ReadTextFile(file_); }

  private:
    testsupport::ScratchDirectory scratch_;
    std::string file_;
};
