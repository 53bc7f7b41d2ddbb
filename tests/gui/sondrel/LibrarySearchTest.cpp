// Where Sondrel finds the barcode DLL, as its "Storage location" field
// shows: the profile directories, the current directory, the program's
// directory and the DLL's second name; and what it does when there is no
// DLL or the profile holds values longer than its buffers.
#include "Controls.h"
#include "SondrelCase.h"
#include "SondrelUi.h"
#include "TextPatterns.h"

#include <cstdlib>

namespace sondrel {
namespace {

using gui::MessageBoxSeen;

// The value a profile holds for the DLL's directory: a directory of the
// case, or a text of its own.
struct DllDirectoryValue {
    enum Where { kNone, kBarcodeIni, kWinIni } where = kNone;
    const char* caseDirectory = nullptr; // relative to the case directory
};

// Copies of DLLs placed in the case directory (Sondrel.exe sits in
// "program", the current directory is the case directory), the profile
// value, and which copy is loaded.
struct SearchCase {
    const char* name;
    struct Copy {
        const char* builtFile;
        const char* relativePath;
    } copies[2];
    DllDirectoryValue value;
    const char* loaded; // relative to the case directory
};
constexpr const char* kAnyOtherDll = "fake_barcode_level3.dll";
constexpr SearchCase kSearchCases[] = {
    {"ProfileDirectoryWithoutDllFallsBackToCurrentDirectory",
     {{kRealDll, "Barcode.dll"}},
     {DllDirectoryValue::kBarcodeIni, "empty"},
     "Barcode.dll"},
    {"ProfileDirectoryBeforeCurrentDirectory",
     {{kRealDll, "Barcode.dll"}, {kAnyOtherDll, "profile\\Barcode.dll"}},
     {DllDirectoryValue::kBarcodeIni, "profile"},
     "profile\\Barcode.dll"},
    {"WinIniDirectory",
     {{kRealDll, "winini\\Barcode.dll"}},
     {DllDirectoryValue::kWinIni, "winini"},
     "winini\\Barcode.dll"},
    {"CurrentDirectoryBeforeProgramDirectory",
     {{kRealDll, "Barcode.dll"}, {kAnyOtherDll, "program\\Barcode.dll"}},
     {},
     "Barcode.dll"},
    {"ProgramDirectoryLast", {{kRealDll, "program\\Barcode.dll"}}, {}, "program\\Barcode.dll"},
    {"SecondNameWhenTheFirstIsNowhere", {{kRealDll, "barcode32.dll"}}, {}, "barcode32.dll"},
};

void PrintTo(const SearchCase& search, std::ostream* out) {
    *out << search.name;
}

class SondrelLibrarySearch : public SondrelCase, public ::testing::WithParamInterface<SearchCase> {
  protected:
    void WriteDllDirectory(const DllDirectoryValue& value, const std::string& text) {
        if (value.where == DllDirectoryValue::kBarcodeIni)
            gui::WriteProfileValue(LibraryProfileFile(), "Barcode", DllDirectoryKey(), text);
        if (value.where == DllDirectoryValue::kWinIni)
            gui::WriteProfileValue("win.ini", "Barcode", DllDirectoryKey(), text);
    }

    // The main dialog's "Storage location", after the start-up.
    std::optional<std::string> StorageLocation() {
        HWND main = OpenMainDialog();
        if (!main) return std::nullopt;
        std::optional<std::string> location = gui::ControlText(main, kStorageLocationEdit);
        gui::PostClick(main, kExitButton);
        EXPECT_EQ(ExitCode(), 0u) << Showing();
        return location;
    }
};

TEST_P(SondrelLibrarySearch, LoadsTheFirstCopyInSearchOrder) {
    const SearchCase& search = GetParam();
    ASSERT_NO_FATAL_FAILURE(CopyIn(kProgramFile, "program\\Sondrel.exe"));
    ASSERT_NO_FATAL_FAILURE(CopyIn(kCatalogFile, kCatalogFile));
    for (const SearchCase::Copy& copy : search.copies) {
        if (copy.builtFile) {
            ASSERT_NO_FATAL_FAILURE(CopyIn(copy.builtFile, copy.relativePath));
        }
    }
    if (search.value.caseDirectory) {
        std::string valueDirectory = directory().MakeDirectory(search.value.caseDirectory);
        ASSERT_FALSE(valueDirectory.empty());
        WriteDllDirectory(search.value, valueDirectory);
    }
    ASSERT_NO_FATAL_FAILURE(StartSondrel("program\\Sondrel.exe"));

    std::optional<std::string> location = StorageLocation();
    ASSERT_TRUE(location.has_value());
    EXPECT_EQ(ComparablePath(*location, directory().Path()),
              ComparablePath(directory().File(search.loaded), ""))
        << "Storage location: " << *location;
}

INSTANTIATE_TEST_SUITE_P(Places, SondrelLibrarySearch, ::testing::ValuesIn(kSearchCases),
                         [](const auto& info) { return std::string(info.param.name); });

class SondrelWithoutDll : public SondrelCase {};

TEST_F(SondrelWithoutDll, ReportsHandleAndErrorThenStartsWithoutDrawing) {
    ASSERT_NO_FATAL_FAILURE(InstallProgram(""));
    ASSERT_NO_FATAL_FAILURE(StartSondrel());

    HWND start = nullptr;
    std::vector<MessageBoxSeen> boxes = AnswerBoxesUntil(kStartDialogTitle, &start);
    ASSERT_EQ(boxes.size(), 1u) << ::testing::PrintToString(boxes);
    EXPECT_EQ(boxes[0].caption, DllProblemCaption());
    std::string format = DllMessageText(kDllNotLoaded);
    std::optional<std::vector<std::string>> values = gui::MatchPrintfFormat(format, boxes[0].text);
    ASSERT_TRUE(values.has_value() && values->size() == 2)
        << "\"" << boxes[0].text << "\" is not of the form \"" << format << "\"";
    // The value of a search that found no file, and the code of the last
    // place that was tried.
    EXPECT_EQ((*values)[0], "2");
    EXPECT_NE(std::atol((*values)[1].c_str()), 0) << boxes[0].text;

    ASSERT_NE(start, nullptr) << Showing();
    HWND main = PassStartDialog(start);
    ASSERT_NE(main, nullptr) << Showing();
    EXPECT_EQ(gui::ControlText(main, kStorageLocationEdit), "");
    ASSERT_TRUE(gui::PostClick(main, kExitButton));
    EXPECT_EQ(ExitCode(), 0u) << Showing();
}

class SondrelLongInput : public SondrelCase {};

// The profile value fills the program's 1000-byte buffer: the path built
// from it exists nowhere, and the search goes on to the current directory.
TEST_F(SondrelLongInput, ProfileValueOf1000CharactersIsPassedOver) {
    ASSERT_NO_FATAL_FAILURE(InstallProgram());
    gui::WriteProfileValue(LibraryProfileFile(), "Barcode", DllDirectoryKey(),
                           "C:\\" + std::string(997, 'x'));
    ASSERT_NO_FATAL_FAILURE(StartSondrel());

    HWND start = nullptr;
    std::vector<MessageBoxSeen> boxes = AnswerBoxesUntil(kStartDialogTitle, &start);
    ASSERT_EQ(boxes.size(), 1u) << ::testing::PrintToString(boxes);
    EXPECT_EQ(boxes[0].caption, kInitReportCaption);
    ASSERT_NE(start, nullptr) << Showing();
    HWND main = PassStartDialog(start);
    ASSERT_NE(main, nullptr) << Showing();
    std::optional<std::string> location = gui::ControlText(main, kStorageLocationEdit);
    ASSERT_TRUE(location.has_value());
    EXPECT_EQ(ComparablePath(*location, directory().Path()),
              ComparablePath(directory().File("Barcode.dll"), ""));
    ASSERT_TRUE(gui::PostClick(main, kExitButton));
    EXPECT_EQ(ExitCode(), 0u) << Showing();
}

// A DLL whose path is longer than the 200 bytes of the location: it is
// loaded all the same, and the field shows as much of the path as fits.
TEST_F(SondrelLongInput, DllPathLongerThanTheLocationBufferStillLoads) {
    ASSERT_NO_FATAL_FAILURE(InstallProgram(""));
    std::string deep;
    while (directory().File(deep + "\\Barcode.dll").size() <= 230)
        deep += (deep.empty() ? "" : "\\") + std::string("a-rather-long-directory-name");
    std::string deepDirectory = directory().MakeDirectory(deep);
    ASSERT_FALSE(deepDirectory.empty());
    ASSERT_NO_FATAL_FAILURE(CopyIn(kRealDll, deep + "\\Barcode.dll"));
    gui::WriteProfileValue(LibraryProfileFile(), "Barcode", DllDirectoryKey(), deepDirectory);
    ASSERT_NO_FATAL_FAILURE(StartSondrel());

    HWND start = nullptr;
    std::vector<MessageBoxSeen> boxes = AnswerBoxesUntil(kStartDialogTitle, &start);
    ASSERT_EQ(boxes.size(), 1u) << ::testing::PrintToString(boxes);
    EXPECT_EQ(boxes[0].caption, kInitReportCaption) << "the DLL was not loaded";
    ASSERT_NE(start, nullptr) << Showing();
    HWND main = PassStartDialog(start);
    ASSERT_NE(main, nullptr) << Showing();
    std::optional<std::string> location = gui::ControlText(main, kStorageLocationEdit);
    ASSERT_TRUE(location.has_value());
    std::string fullPath = deepDirectory + "\\Barcode.dll";
    EXPECT_EQ(*location, fullPath.substr(0, 199));
    ASSERT_TRUE(gui::PostClick(main, kExitButton));
    EXPECT_EQ(ExitCode(), 0u) << Showing();
}

} // namespace
} // namespace sondrel
