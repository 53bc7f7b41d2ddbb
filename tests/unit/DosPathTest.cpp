// Windows paths and directories on Linux.
#include "ScratchDirectory.h"
#include "win32api.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

using testsupport::ReadWholeFile;
using testsupport::ScratchDirectory;
using testsupport::WriteWholeFile;

namespace {
// Points an environment variable elsewhere for the life of one test.
class ScopedEnvironment {
  public:
    ScopedEnvironment(const char* name, const std::string& value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old, hadValue_ = true;
        setenv(name, value.c_str(), 1);
    }
    ~ScopedEnvironment() {
        if (hadValue_)
            setenv(name_, old_.c_str(), 1);
        else
            unsetenv(name_);
    }

  private:
    const char* name_;
    std::string old_;
    bool hadValue_ = false;
};
} // namespace

TEST(DosPath, DrivesAndUncPathsLiveUnderTheDosRoot) {
    ScratchDirectory scratch("dosroot");
    ScopedEnvironment root("BARCODE_DOSROOT", scratch.Path());
    EXPECT_EQ(MapDosPath("C:\\Barcode.Log"), scratch.Path() + "/c/Barcode.Log");
    EXPECT_EQ(MapDosPath("d:/dir\\file.txt"), scratch.Path() + "/d/dir/file.txt");
    EXPECT_EQ(MapDosPath("\\\\server\\share\\f"), scratch.Path() + "/unc/server/share/f");
    EXPECT_TRUE(std::filesystem::is_directory(scratch.Path() + "/c")); // drives exist
    EXPECT_EQ(MapDosPath("relative\\name.ini"), "relative/name.ini");
    EXPECT_EQ(MapDosPath("/usr/share/x"), "/usr/share/x");
    EXPECT_EQ(MapDosPath(nullptr), "");
    EXPECT_EQ(MapDosPath(""), "");
}

TEST(DosPath, FileNamesMatchWithoutRegardToCase) {
    ScratchDirectory scratch("case");
    WriteWholeFile(scratch.File("Barcode.INI"), "x");
    EXPECT_EQ(MapDosPath((scratch.Path() + "\\barcode.ini").c_str()), scratch.File("Barcode.INI"));
    FILE* file = OpenFileStream((scratch.Path() + "\\BARCODE.ini").c_str(), "rt");
    ASSERT_NE(file, nullptr);
    std::fclose(file);
    EXPECT_EQ(MapDosPath((scratch.Path() + "/new.ini").c_str()), scratch.File("new.ini"));
}

TEST(DosPath, ExclusiveStreamRefusesASecondWriterWithoutTruncating) {
    ScratchDirectory scratch("exclusive");
    std::string path = scratch.File("log.txt");
    WriteWholeFile(path, "stale");
    FILE* first = OpenExclusiveFileStream(path.c_str());
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(ReadWholeFile(path), ""); // truncated on open
    std::fputs("kept", first);
    std::fflush(first);
    EXPECT_EQ(OpenExclusiveFileStream(path.c_str()), nullptr);
    EXPECT_EQ(ReadWholeFile(path), "kept");
    std::fclose(first);
    FILE* again = OpenExclusiveFileStream(path.c_str());
    EXPECT_NE(again, nullptr);
    if (again) std::fclose(again);
}

TEST(Directories, WindowsDirectoryFromEnvironmentIsCreated) {
    ScratchDirectory scratch("windir");
    std::string dir = scratch.File("windows");
    ScopedEnvironment windir("BARCODE_WINDIR", dir);
    char buffer[MAX_PATH];
    EXPECT_EQ(GetWindowsDirectoryA(buffer, MAX_PATH), dir.size());
    EXPECT_EQ(buffer, dir);
    EXPECT_TRUE(std::filesystem::is_directory(dir));
    char tiny[4] = "abc";
    EXPECT_EQ(GetWindowsDirectoryA(tiny, sizeof tiny), dir.size() + 1); // size needed
    EXPECT_STREQ(tiny, "abc");
}

// The built programs find the catalog without any set-up: the System
// directory defaults to share/barcode beside bin/ and lib/.
TEST(Directories, SystemDirectoryHoldsTheBuiltCatalog) {
    const char* sysdir = std::getenv("BARCODE_SYSDIR");
    std::string saved = sysdir ? sysdir : "";
    unsetenv("BARCODE_SYSDIR");
    char buffer[MAX_PATH];
    ASSERT_LT(GetSystemDirectoryA(buffer, MAX_PATH), static_cast<UINT>(MAX_PATH));
    if (sysdir) setenv("BARCODE_SYSDIR", saved.c_str(), 1);
    EXPECT_TRUE(std::string(buffer).ends_with("/share/barcode")) << buffer;
    EXPECT_NE(GetFileAttributesA((std::string(buffer) + "\\Barcode.dat").c_str()),
              INVALID_FILE_ATTRIBUTES);
}

TEST(Directories, FileAttributesAndLastError) {
    ScratchDirectory scratch("attributes");
    EXPECT_EQ(GetFileAttributesA(scratch.Path().c_str()), FILE_ATTRIBUTE_DIRECTORY);
    SetLastError(0);
    EXPECT_EQ(GetFileAttributesA(scratch.File("absent").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(GetFileAttributesA(nullptr), INVALID_FILE_ATTRIBUTES);
}
