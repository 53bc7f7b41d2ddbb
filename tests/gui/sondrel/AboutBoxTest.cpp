// Help/About from the main dialog: the about box shows the program's
// version and the company's lines with every placeholder of its template
// replaced, and OK returns to the main dialog.
#include "Controls.h"
#include "SondrelCase.h"
#include "SondrelUi.h"
#include "WindowCommands.h"
#include "WindowSearch.h"

#include <string>
#include <vector>

namespace sondrel {
namespace {

inline constexpr const char* kAboutTitle = "About Sondrel";
inline constexpr int kHelpAboutCommand = 57664;

std::vector<std::string> ChildTexts(HWND dialog) {
    std::vector<std::string> texts;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        texts.push_back(gui::WindowText(child).value_or("<no answer>"));
    return texts;
}

bool AnyContains(const std::vector<std::string>& texts, const std::string& part) {
    for (const std::string& text : texts)
        if (text.find(part) != std::string::npos) return true;
    return false;
}

class SondrelAboutBox : public SondrelCase {};

TEST_F(SondrelAboutBox, ShowsVersionAndCompanyWithPlaceholdersReplaced) {
    ASSERT_NO_FATAL_FAILURE(InstallProgram());
    ASSERT_NO_FATAL_FAILURE(StartSondrel());
    HWND main = OpenMainDialog();
    ASSERT_NE(main, nullptr);

    ASSERT_TRUE(gui::ChooseMenuCommand(main, kHelpAboutCommand));
    HWND about = gui::WaitForDialog(session().program(), kAboutTitle);
    ASSERT_NE(about, nullptr) << Showing();
    session().TakePicture(about);

    std::vector<std::string> texts = ChildTexts(about);
    std::string all = ::testing::PrintToString(texts);
    EXPECT_TRUE(AnyContains(texts, "BARCODE DLL Configurator Vers 4.0")) << all;
    EXPECT_TRUE(AnyContains(texts, "Copyright (C) 1998-2026 Sondrel Barcode Systems")) << all;
    EXPECT_TRUE(AnyContains(texts, "Version 4.2.4, https://www.sondrel-barcode.example")) << all;
    EXPECT_FALSE(AnyContains(texts, "::")) << all;

    ASSERT_TRUE(gui::PostClick(about, IDOK));
    ASSERT_TRUE(gui::WaitUntilClosed(about)) << Showing();
    EXPECT_TRUE(IsWindow(main) && IsWindowVisible(main)) << Showing();
    ASSERT_TRUE(gui::PostClick(main, kExitButton));
    EXPECT_EQ(ExitCode(), 0u) << Showing();
}

} // namespace
} // namespace sondrel
