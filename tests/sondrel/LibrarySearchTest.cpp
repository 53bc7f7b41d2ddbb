// Where Sondrel looks for a library: the list of places, and the search on
// real files, long profile values and paths longer than the location buffer.
#include "LibrarySearch.h"

#include "SondrelTestSite.h"

#include <gtest/gtest.h>

#include <cstring>

using sondreltest::TestSite;

namespace {

constexpr const char* kKey = "DLL-Path";

struct CandidatesCase {
    const char* name;
    LibrarySearchEnvironment environment;
    std::vector<std::string> expected;
};

// Which copy a loaded fake module is: the interface level it was built with.
int FakeLevelOf(HMODULE module) {
    auto level = reinterpret_cast<int (*)()>(
        reinterpret_cast<void (*)()>(GetProcAddress(module, "FakeBarcodeLevel")));
    return level ? level() : -1;
}

// A relative place is loaded, and shown, by its full path.
std::string CurrentDirectory() {
    return std::filesystem::current_path().string();
}

} // namespace

TEST(LibraryCandidates, SixPlacesInOrder) {
    const CandidatesCase cases[] = {
        {"profile value first, then the current directory",
         {"D:\\dlls", ".", "C:\\WINDOWS", "C:\\WINDOWS\\system32",
          "C:\\Program Files\\Sondrel\\Sondrel.exe"},
         {"D:\\dlls\\Barcode.dll", "Barcode.dll", ".\\Barcode.dll", "Barcode.dll",
          "..\\Barcode2\\Debug\\Barcode.dll", "C:\\WINDOWS\\Barcode.dll",
          "C:\\WINDOWS\\system32\\Barcode.dll", "C:\\Program Files\\Sondrel\\Barcode.dll"}},
        {"an empty profile value is no place; win.ini names one",
         {"", "E:\\site", "C:\\WIN", "C:\\WIN\\SYS", "C:\\Sondrel.exe"},
         {"E:\\site\\Barcode.dll", "Barcode.dll", "..\\Barcode2\\Debug\\Barcode.dll",
          "C:\\WIN\\Barcode.dll", "C:\\WIN\\SYS\\Barcode.dll", "C:\\Barcode.dll"}},
        {"a program name without a backslash gets one",
         {"", ".", "C:\\WIN", "C:\\WIN\\SYS", "Sondrel.exe"},
         {".\\Barcode.dll", "Barcode.dll", "..\\Barcode2\\Debug\\Barcode.dll",
          "C:\\WIN\\Barcode.dll", "C:\\WIN\\SYS\\Barcode.dll", "Sondrel.exe\\Barcode.dll"}},
        {"the Linux build names its program with slashes",
         {"", ".", "/etc/barcode", "/usr/share/barcode", "/opt/barcode/bin/sondrel"},
         {".\\Barcode.dll", "Barcode.dll", "..\\Barcode2\\Debug\\Barcode.dll",
          "/etc/barcode\\Barcode.dll", "/usr/share/barcode\\Barcode.dll",
          "/opt/barcode/bin/Barcode.dll"}},
    };
    for (const CandidatesCase& test : cases) {
        SCOPED_TRACE(test.name);
        EXPECT_EQ(LibraryCandidates("Barcode.dll", test.environment), test.expected);
    }
}

TEST(LibrarySearch, EnvironmentReadsBothProfilesWithTheirDefaults) {
    TestSite site("environment");
    LibrarySearchEnvironment unset = CurrentLibrarySearchEnvironment(kKey);
    EXPECT_EQ(unset.privateProfileValue, "");
    EXPECT_EQ(unset.windowsProfileValue, ".");
    EXPECT_EQ(unset.windowsDirectory, site.Directory("windows"));
    EXPECT_FALSE(unset.programFileName.empty());

    // A value longer than the 1000-byte profile buffer is cut, never overruns it.
    site.SetProfileValue(kKey, std::string(1000, 'a'));
    site.SetWindowsProfileValue(kKey, "C:\\dlls");
    LibrarySearchEnvironment set = CurrentLibrarySearchEnvironment(kKey);
    EXPECT_EQ(set.privateProfileValue, std::string(999, 'a'));
    EXPECT_EQ(set.windowsProfileValue, "C:\\dlls");
    char location[200] = "untouched";
    EXPECT_EQ(FindAndLoadLibrary("Barcode.dll", kKey, location, sizeof location),
              LibraryNotFound());
    EXPECT_STREQ(location, "untouched");
}

// The first place that has the file wins; the profile's directory is tried
// before the current directory, and that before the directory win.ini names.
TEST(LibrarySearch, LoadsTheFirstCopyFound) {
    struct Case {
        const char* name;
        bool inProfileDirectory, inCurrentDirectory, inWinIniDirectory;
        bool relativeProfileValue; // the profile names current\profile as "profile"
        const char* expectedPlace; // "profile", "current", "winini" or null: not found
    };
    const Case cases[] = {
        {"profile directory without the DLL: the current directory's copy", false, true, true,
         false, "current"},
        {"the profile directory's copy comes first", true, true, true, false, "profile"},
        {"a relative profile value is under the current directory", true, true, true, true,
         "profile"},
        {"then the directory win.ini names", false, false, true, false, "winini"},
        {"nowhere", false, false, false, false, nullptr},
    };
    int number = 0;
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        // A site of its own for every case: a module file is never replaced
        // at a path from which it was loaded.
        TestSite site("search-" + std::to_string(++number));
        std::string profileDirectory =
            site.Directory(test.relativeProfileValue ? "current/profile" : "profile");
        std::string winIniDirectory = site.Directory("winini");
        site.SetProfileValue(kKey, test.relativeProfileValue ? "profile" : profileDirectory);
        site.SetWindowsProfileValue(kKey, winIniDirectory);
        if (test.inProfileDirectory)
            site.Install("fake_barcode_level1", profileDirectory, "Barcode.dll");
        if (test.inCurrentDirectory)
            site.Install("fake_barcode_level2", site.Directory("current"), "Barcode.dll");
        if (test.inWinIniDirectory)
            site.Install("fake_barcode_level3", winIniDirectory, "Barcode.dll");

        char location[200] = "untouched";
        HMODULE module = FindAndLoadLibrary("Barcode.dll", kKey, location, sizeof location);
        if (test.expectedPlace == nullptr) {
            EXPECT_EQ(module, LibraryNotFound());
            EXPECT_STREQ(location, "untouched");
            continue;
        }
        ASSERT_TRUE(IsLoadedModule(module));
        std::string place = test.expectedPlace;
        if (place == "current") {
            EXPECT_EQ(location, CurrentDirectory() + "\\Barcode.dll");
            EXPECT_EQ(FakeLevelOf(module), 2);
        } else if (place == "profile") {
            EXPECT_EQ(location, test.relativeProfileValue
                                    ? CurrentDirectory() + "\\profile\\Barcode.dll"
                                    : profileDirectory + "\\Barcode.dll");
            EXPECT_EQ(FakeLevelOf(module), 1);
        } else {
            EXPECT_EQ(location, winIniDirectory + "\\Barcode.dll");
            EXPECT_EQ(FakeLevelOf(module), 3);
        }
        FreeLibrary(module);
    }
}

// A path longer than the location buffer: the library is loaded all the
// same, and the location holds as much of the path as fits, terminated.
TEST(LibrarySearch, LongPathIsCutToTheLocationBuffer) {
    TestSite site("long-path");
    std::string deep = "current";
    while (site.Directory(deep).size() < 260)
        deep += "/directory-with-a-long-name";
    std::string directory = site.Directory(deep);
    site.Install("fake_barcode_level2", directory, "Barcode.dll");
    site.SetProfileValue(kKey, directory);

    char buffer[300];
    std::memset(buffer, 'x', sizeof buffer);
    HMODULE module = FindAndLoadLibrary("Barcode.dll", kKey, buffer, 200);
    ASSERT_TRUE(IsLoadedModule(module));
    EXPECT_EQ(FakeLevelOf(module), 2);
    std::string path = directory + "\\Barcode.dll";
    EXPECT_EQ(std::string(buffer), path.substr(0, 199));
    EXPECT_EQ(std::string(buffer + 200, 100), std::string(100, 'x'));
    FreeLibrary(module);
}
