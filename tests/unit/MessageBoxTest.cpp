// Message boxes on Linux, and the boxes of the fatal catalog reports that
// the handler lets us read.
#include "catalog/Translate.h"

#include "ChildProcess.h"
#include "ScratchDirectory.h"
#include "win32api.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

using testsupport::ReadWholeFile;
using testsupport::ScratchDirectory;
using testsupport::WriteWholeFile;

TEST(MessageBox, DefaultAnswerIsTheDefaultButton) {
    EXPECT_EQ(DefaultMessageBoxAnswer(MB_OK), IDOK);
    EXPECT_EQ(DefaultMessageBoxAnswer(MB_OKCANCEL | MB_ICONERROR), IDOK);
    EXPECT_EQ(DefaultMessageBoxAnswer(MB_OKCANCEL | MB_DEFBUTTON2), IDCANCEL);
    EXPECT_EQ(DefaultMessageBoxAnswer(MB_YESNO | MB_DEFBUTTON2), IDNO);
    EXPECT_EQ(DefaultMessageBoxAnswer(MB_YESNOCANCEL | MB_DEFBUTTON3), IDCANCEL);
    EXPECT_EQ(DefaultMessageBoxAnswer(MB_ABORTRETRYIGNORE | MB_DEFBUTTON3), IDIGNORE);
    EXPECT_EQ(DefaultMessageBoxAnswer(0xF | MB_DEFMASK), IDOK); // nonsense stays safe
}

namespace {
std::string lastBox;
unsigned lastType = 0;
int RecordBox(const char* text, const char* caption, unsigned type) {
    lastBox = std::string(caption) + "|" + text;
    lastType = type;
    return IDCANCEL;
}
} // namespace

TEST(MessageBox, HandlerReceivesBoxesAndAnswers) {
    MessageBoxHandler previous = SetMessageBoxHandler(&RecordBox);
    EXPECT_EQ(MessageBoxA(nullptr, "text", "caption", MB_OKCANCEL), IDCANCEL);
    EXPECT_EQ(lastBox, "caption|text");
    SetMessageBoxHandler(previous);
}

namespace {
// Child: records boxes in <dir>/box.txt and looks up a text in a catalog
// whose places are under <dir>.
int LookUpRecordingBoxes(const std::vector<std::string>& arguments) {
    static std::string boxFile = arguments.at(0) + "/box.txt";
    SetMessageBoxHandler([](const char* text, const char* caption, unsigned type) {
        WriteWholeFile(boxFile, std::string(caption) + "|" + std::to_string(type) + "|" + text);
        return IDOK;
    });
    const std::string& dir = arguments[0];
    CTranslate catalog(
        CatalogLocations{dir + "/windows", dir + "/system", dir + "/current", false});
    std::printf("%s", catalog.GetText(1, 1, false));
    return 0;
}
BC_CHILD_MODE("look-up-recording-boxes", LookUpRecordingBoxes);
} // namespace

TEST(FatalErrorBox, MissingCatalogBoxNamesTheThreeDirectories) {
    ScratchDirectory scratch("fatal-box");
    EXPECT_EQ(testsupport::RunChild("look-up-recording-boxes", {scratch.Path()}), 1);
    char windows[MAX_PATH], system[MAX_PATH], current[MAX_PATH];
    GetWindowsDirectoryA(windows, MAX_PATH);
    GetSystemDirectoryA(system, MAX_PATH);
    GetCurrentDirectoryA(MAX_PATH, current);
    std::string style = std::to_string(MB_ICONERROR | MB_TOPMOST | MB_SERVICE_NOTIFICATION);
    EXPECT_EQ(ReadWholeFile(scratch.File("box.txt")),
              "Barcode Fatal Error|" + style +
                  "|System Error 23 (Barcode.dat):\nPlease check installation!\nF1: \"" + current +
                  "\"\nF2: \"" + windows + "\"\nF3: \"" + system + "\"\nProgram terminates.\n");
}

// A catalog that exists but cannot be read (here a directory of that name)
// is reported and counts as not read; another place still serves.
TEST(FatalErrorBox, UnreadableCatalogIsReportedAndSkipped) {
    ScratchDirectory scratch("unreadable");
    std::filesystem::create_directories(scratch.File("windows") + "/Barcode.dat");
    std::filesystem::create_directories(scratch.File("system"));
    WriteWholeFile(scratch.File("system") + "/Barcode.dat", "@module 1\n1 EN one\n");
    EXPECT_EQ(testsupport::RunChild("look-up-recording-boxes", {scratch.Path()}), 0);
    std::string box = ReadWholeFile(scratch.File("box.txt"));
    EXPECT_EQ(box.find("Barcode Fatal Error|"), 0u);
    EXPECT_NE(box.find("|System Error 19 (" + scratch.File("windows") + "\\Barcode.dat):\n"),
              std::string::npos);
}
