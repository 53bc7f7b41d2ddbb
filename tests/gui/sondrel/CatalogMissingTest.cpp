// Sondrel without its text catalog in any of the three places it looks
// (the prefix's Windows and System directories, the current directory):
// the fatal report, and the end of the program before anything else shows.
#include "ProfileFiles.h"
#include "SondrelCase.h"
#include "SondrelUi.h"
#include "TextPatterns.h"
#include "WindowSearch.h"

namespace sondrel {
namespace {

constexpr const char* kSystemError23 =
    "System Error 23 (%s):\nPlease check installation!\nF1: \"%s\"\nF2: \"%s\"\nF3: \"%s\"\n"
    "Program terminates.\n";

class SondrelWithoutCatalog : public SondrelCase {};

TEST_F(SondrelWithoutCatalog, ReportsSystemError23AndEndsWithExitCode1) {
    ASSERT_NO_FATAL_FAILURE(CopyIn(kProgramFile, kProgramFile));
    ASSERT_NO_FATAL_FAILURE(CopyIn(kRealDll, "Barcode.dll"));
    ASSERT_NO_FATAL_FAILURE(StartSondrel());

    HWND box = session().VisitAny(gui::kFirstWindowTimeoutMs);
    ASSERT_NE(box, nullptr) << Showing();
    gui::MessageBoxSeen seen = gui::ReadMessageBox(box);
    EXPECT_EQ(seen.caption, kFatalErrorCaption);
    std::optional<std::vector<std::string>> values =
        gui::MatchPrintfFormat(kSystemError23, seen.text);
    ASSERT_TRUE(values.has_value()) << seen.text;
    EXPECT_EQ((*values)[0], kCatalogFile);
    // The places in the order the box lists them: current, Windows, System.
    EXPECT_EQ(ComparablePath((*values)[1], ""), ComparablePath(directory().Path(), ""));
    EXPECT_EQ(ComparablePath((*values)[2], ""), ComparablePath(gui::WindowsDirectory(), ""));
    EXPECT_EQ(ComparablePath((*values)[3], ""), ComparablePath(gui::SystemDirectory(), ""));

    ASSERT_TRUE(gui::AnswerMessageBox(box));
    EXPECT_EQ(ExitCode(), 1u) << Showing();
}

} // namespace
} // namespace sondrel
