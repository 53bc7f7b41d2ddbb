// Setup started with command lines of its own kind and of no kind: the
// MSI step shows its parameters, a very long line reaches the chooser.
#include "Controls.h"
#include "SetupCase.h"

#include "resource.h"

#include <gtest/gtest.h>

using namespace setupgui;

TEST(CommandLine, AnMsiStepShowsItsParametersAndEnds) {
    const std::string arguments = "/MSI_Install_Step 2 C:\\somewhere";
    SetupRun run(CaseName(), Paths().Setup(), Paths().medium, arguments);
    HWND box = run.VisitDialog(kParametersCaption, gui::kFirstWindowTimeoutMs);
    ASSERT_TRUE(box) << run.Showing();
    EXPECT_NE(gui::MessageBoxText(box).find(arguments), std::string::npos)
        << gui::MessageBoxText(box);
    ASSERT_TRUE(gui::AnswerMessageBox(box, IDOK));
    EXPECT_EQ(run.WaitForExit(), std::optional<DWORD>(1)) << run.Showing();
}

TEST(CommandLine, ALineOfTenThousandCharactersReachesTheChooser) {
    const std::string arguments = "-U C:\\" + std::string(10000 - 6, 'x');
    ASSERT_EQ(arguments.size(), 10000u);
    SetupRun run(CaseName(), Paths().Setup(), Paths().medium, arguments);
    HWND chooser = VisitChooser(run);
    ASSERT_TRUE(chooser);
    for (int id : {IDC_REMOVE, IDC_REPAIR, IDC_INSTALL})
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(chooser, id))) << "button " << id;
    EXPECT_EQ(gui::IsChecked(chooser, IDC_INSTALL), std::optional<bool>(true));
    ASSERT_TRUE(gui::PostClick(chooser, IDCANCEL));
    EXPECT_EQ(run.WaitForExit(), std::optional<DWORD>(1)) << run.Showing();
}
