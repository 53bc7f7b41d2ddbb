// The fatal catalog reports end the process with exit code 1 and leave their
// line in the log. Each case runs in a child process.
#include "catalog/Translate.h"
#include "log/Log.h"

#include "ChildProcess.h"
#include "ScratchDirectory.h"
#include "win32api.h"

#include <gtest/gtest.h>

#include <filesystem>

using testsupport::ReadTextFile;
using testsupport::RunChild;
using testsupport::ScratchDirectory;
using testsupport::WriteWholeFile;

namespace {

// Child: logs at level 1 into <dir>/fatal.log, looks up a text in a catalog
// whose three places are <dir>/windows, <dir>/system and <dir>/current, and
// answers 0 only when the process was not ended.
int LookUpTextInChild(const std::vector<std::string>& arguments) {
    if (arguments.size() != 1) return 2;
    const std::string& dir = arguments[0];
    std::string profile = dir + "/fatal.ini";
    std::string log = dir + "/fatal.log";
    WritePrivateProfileStringA("Trace", "LogEnabled", "1", profile.c_str());
    WritePrivateProfileStringA("Trace", "LogFile", log.c_str(), profile.c_str());
    LogInit(profile.c_str(), "Trace");
    CTranslate catalog(
        CatalogLocations{dir + "/windows", dir + "/system", dir + "/current", false});
    catalog.GetText(1, 1, false);
    return 0;
}
BC_CHILD_MODE("look-up-text", LookUpTextInChild);

class FatalErrorTest : public testing::Test {
  protected:
    FatalErrorTest() : scratch_("fatal") {
        for (const char* place : {"windows", "system", "current"})
            std::filesystem::create_directory(scratch_.File(place));
    }
    void WriteCatalog(const char* place, const std::string& content) {
        WriteWholeFile(scratch_.File(place) + "/" + kCatalogFileName, content);
    }
    int RunLookUp() { return RunChild("look-up-text", {scratch_.Path()}); }
    std::string Log() { return ReadTextFile(scratch_.File("fatal.log")); }

    ScratchDirectory scratch_;
};

} // namespace

TEST_F(FatalErrorTest, NoCatalogAnywhereEndsTheProcess) {
    EXPECT_EQ(RunLookUp(), 1);
    EXPECT_NE(Log().find("System Error 23 (Barcode.dat)\n"), std::string::npos);
}

TEST_F(FatalErrorTest, OneReadableCatalogIsEnough) {
    WriteCatalog("current", "@module 1\n1 EN one\n");
    EXPECT_EQ(RunLookUp(), 0);
    EXPECT_EQ(Log().find("System Error"), std::string::npos);
}

TEST_F(FatalErrorTest, RecordOfUnknownKindEndsTheProcess) {
    WriteCatalog("system", "@format 2\n@module 1\n1 EN 5 fine\nnot a record\n");
    EXPECT_EQ(RunLookUp(), 1);
    EXPECT_NE(Log().find("System Error 9 (2)\nnot a record\n"), std::string::npos);
}

TEST_F(FatalErrorTest, EncipheredRecordInAnotherFormatEndsTheProcess) {
    WriteCatalog("windows", "@format 3\n!94\n");
    EXPECT_EQ(RunLookUp(), 1);
    EXPECT_NE(Log().find("System Error 8 (3)\n"), std::string::npos);
}

TEST_F(FatalErrorTest, MissingTextIsLoggedAsSystemError14) {
    WriteCatalog("windows", "@module 1\n2 EN two\n");
    EXPECT_EQ(RunLookUp(), 0);
    EXPECT_NE(Log().find("System Error 14 (1 / 1)\n"), std::string::npos);
}
