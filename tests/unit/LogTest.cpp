// The log facility: switching on and off from the profile, thresholds, time
// headers, re-initialisation, and separate files for separate processes.
#include "log/Log.h"

#include "ChildProcess.h"
#include "ScratchDirectory.h"
#include "win32api.h"

#include <gtest/gtest.h>

#include <regex>

using testsupport::ReadTextFile;
using testsupport::ScratchDirectory;

namespace {

int64_t fakeNow = 0;
int64_t FakeClock() {
    return fakeNow;
}

const std::regex kHeader(R"(--- \d\d\.\d\d\. \d\d:\d\d:\d\d ---\n)");

class LogTest : public testing::Test {
  protected:
    LogTest()
        : scratch_("log"), profile_(scratch_.File("log.ini")),
          logFile_(scratch_.File("trace.log")) {
        LogResetForTesting();
        fakeNow = 1765000000;
        LogSetClockForTesting(&FakeClock);
    }
    ~LogTest() override {
        LogResetForTesting();
        LogSetClockForTesting(nullptr);
    }

    void Configure(const char* level, const char* file) {
        WritePrivateProfileStringA("Trace", "LogEnabled", level, profile_.c_str());
        WritePrivateProfileStringA("Trace", "LogFile", file, profile_.c_str());
    }

    size_t CountHeaders(const std::string& text) {
        return std::distance(std::sregex_iterator(text.begin(), text.end(), kHeader),
                             std::sregex_iterator());
    }

    ScratchDirectory scratch_;
    std::string profile_;
    std::string logFile_;
};

} // namespace

TEST_F(LogTest, OffWithoutLevelOrWithAOneCharacterName) {
    Configure(nullptr, logFile_.c_str());
    EXPECT_EQ(LogInit(profile_.c_str(), "Trace"), 0);
    EXPECT_EQ(GetFileAttributesA(logFile_.c_str()), INVALID_FILE_ATTRIBUTES);

    LogResetForTesting();
    Configure("5", "x");
    EXPECT_EQ(LogInit(profile_.c_str(), "Trace"), 0);
    EXPECT_EQ(LogLevel(), 0);
    EXPECT_FALSE(LogWillWrite(1));
    LogWrite(1, "never written\n"); // no file: nothing happens
}

TEST_F(LogTest, OpensTruncatesAndNamesSectionLevelAndFile) {
    testsupport::WriteWholeFile(logFile_, "old content of an earlier run\n");
    Configure("5", logFile_.c_str());
    EXPECT_EQ(LogInit(profile_.c_str(), "Trace"), 5);
    std::string text = ReadTextFile(logFile_);
    std::smatch header;
    ASSERT_TRUE(std::regex_search(text, header, kHeader));
    EXPECT_EQ(header.position(0), 0);
    EXPECT_EQ(text.substr(header.length(0)),
              "[Trace] log level 5, log file \"" + logFile_ + "\"\n");
}

TEST_F(LogTest, NegativeLevelOpensTheFileButWritesNothing) {
    Configure("-1", logFile_.c_str());
    EXPECT_EQ(LogInit(profile_.c_str(), "Trace"), -1);
    LogWrite(1, "suppressed\n");
    EXPECT_NE(GetFileAttributesA(logFile_.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(ReadTextFile(logFile_), "");
}

TEST_F(LogTest, ThresholdsAndOneHeaderPerSecond) {
    Configure("7", logFile_.c_str());
    ASSERT_EQ(LogInit(profile_.c_str(), "Trace"), 7);
    LogWrite(8, "too detailed\n");
    LogWrite(7, "line %d\n", 1);
    fakeNow += 1; // a second later: a new header
    LogWrite(7, "line %d\n", 2);
    LogWrite(1, "line %s\n", "3"); // same second: no header
    std::string text = ReadTextFile(logFile_);
    EXPECT_EQ(text.find("too detailed"), std::string::npos);
    EXPECT_EQ(CountHeaders(text), 2u);
    std::string withoutHeaders = std::regex_replace(text, kHeader, "");
    EXPECT_EQ(withoutHeaders,
              "[Trace] log level 7, log file \"" + logFile_ + "\"\nline 1\nline 2\nline 3\n");
}

TEST_F(LogTest, SecondInitWritesOnlyAtLevel99) {
    Configure("5", logFile_.c_str());
    LogInit(profile_.c_str(), "Trace");
    Configure("99", logFile_.c_str()); // not read again
    EXPECT_EQ(LogInit(profile_.c_str(), "Other"), 5);
    EXPECT_EQ(ReadTextFile(logFile_).find("reinit"), std::string::npos);

    LogResetForTesting();
    Configure("99", logFile_.c_str());
    LogInit(profile_.c_str(), "Trace");
    EXPECT_EQ(LogInit(profile_.c_str(), "Again"), 99);
    EXPECT_NE(
        ReadTextFile(logFile_).find("[Again] reinit log level 99, log file \"" + logFile_ + "\"\n"),
        std::string::npos);
}

TEST_F(LogTest, UnopenableFileLeavesLoggingOff) {
    std::string inMissingDirectory = scratch_.File("no-such-directory") + "/trace.log";
    Configure("5", inMissingDirectory.c_str());
    EXPECT_EQ(LogInit(profile_.c_str(), "Trace"), 0);
    EXPECT_FALSE(LogWillWrite(1));
}

namespace {
// Child: opens the log from the given profile, writes a line, and answers 0
// when it wrote to a file of its own (not the one the profile names).
int OpenLogInChild(const std::vector<std::string>& arguments) {
    if (arguments.size() != 2) return 2;
    if (LogInit(arguments[0].c_str(), "Trace") != 5) return 3;
    LogWrite(1, "from the child\n");
    std::string own = ProcessLog().fileName;
    if (own == arguments[1]) return 4;
    return ReadTextFile(own).find("from the child") != std::string::npos ? 0 : 5;
}
BC_CHILD_MODE("open-log", OpenLogInChild);
} // namespace

TEST_F(LogTest, AnotherProcessWritesItsOwnFile) {
    Configure("5", logFile_.c_str());
    ASSERT_EQ(LogInit(profile_.c_str(), "Trace"), 5);
    LogWrite(1, "from the parent\n");
    EXPECT_EQ(testsupport::RunChild("open-log", {profile_, logFile_}), 0);
    LogWrite(1, "parent again\n");
    std::string text = ReadTextFile(logFile_);
    EXPECT_NE(text.find("from the parent\nparent again\n"), std::string::npos);
    EXPECT_EQ(text.find("from the child"), std::string::npos);
}
