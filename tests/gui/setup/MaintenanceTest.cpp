// An installation met again: an older DLL on a medium is kept out when the
// user says No, and a repair brings back a deleted file from the repair
// directory.
#include "BuildFiles.h"
#include "Controls.h"
#include "SetupCase.h"
#include "SetupMachine.h"

#include "resource.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace setupgui;

namespace {

// The bytes of a DLL whose ProductVersion text (and FileVersion text) reads
// one patch level lower: the UTF-16 "from" becomes "to" wherever it stands.
std::string WithVersionText(std::string bytes, const std::string& from, const std::string& to,
                            int* replaced) {
    auto utf16 = [](const std::string& text) {
        std::string wide;
        for (char c : text) {
            wide += c;
            wide += '\0';
        }
        return wide;
    };
    const std::string wideFrom = utf16(from);
    const std::string wideTo = utf16(to);
    *replaced = 0;
    for (size_t at = bytes.find(wideFrom); at != std::string::npos;
         at = bytes.find(wideFrom, at + wideTo.size())) {
        bytes.replace(at, wideFrom.size(), wideTo);
        ++*replaced;
    }
    return bytes;
}

} // namespace

TEST(Maintenance, AnOlderDllOnTheMediumIsKeptOutWithNo) {
    ASSERT_TRUE(EnsureInstalled(CaseName()));
    const InstallationPaths& paths = Paths();
    const std::string installedDll = paths.dll + "\\BARCODE.DLL";
    const std::string installedBytes = FileBytes(installedDll);
    const std::string listBefore = FileBytes(paths.Repair() + "\\uninstall.lst");
    const std::string version = ProductVersionOf(installedDll);
    ASSERT_EQ(version, "4.2.4.0");

    // A medium of its own, with a DLL one patch level older.
    const std::string medium = gui::JoinPath(gui::CaseRootDirectory(), "setup-older-medium");
    std::error_code error;
    std::filesystem::remove_all(medium, error);
    ASSERT_TRUE(CopyFiles(paths.medium, medium, MediumFiles()));
    int replaced = 0;
    ASSERT_TRUE(WriteFileBytes(medium + "\\BARCODE.DL_",
                               WithVersionText(FileBytes(paths.medium + "\\BARCODE.DL_"), "4.2.4.0",
                                               "4.2.3.0", &replaced)));
    ASSERT_GT(replaced, 0) << "no version text in the DLL";
    ASSERT_EQ(ProductVersionOf(medium + "\\BARCODE.DL_"), "4.2.3.0");

    {
        // The installation is there: the chooser comes first, Install chosen.
        SetupRun run(CaseName(), medium + "\\Setup.exe", medium);
        HWND chooser = VisitChooser(run);
        ASSERT_TRUE(chooser);
        EXPECT_EQ(gui::IsChecked(chooser, IDC_INSTALL), std::optional<bool>(true));
        ASSERT_TRUE(gui::PostClick(chooser, IDOK));
        PagesSeen pages;
        HWND install = PassPagesToInstallDialog(run, &pages);
        ASSERT_TRUE(install);
        EXPECT_TRUE(gui::SetControlText(install, IDC_DLL_DIRECTORY, paths.dll));
        EXPECT_TRUE(gui::SetControlText(install, IDC_UTILITIES_DIRECTORY, paths.utilities));
        ASSERT_TRUE(gui::PostClick(install, IDOK));

        const std::string question = "Overwrite file\n" + installedDll + ", version 4.2.4.0\n" +
                                     "with probably older version 4.2.3.0 ?";
        BoxesSeen after = AnswerBoxes(run, install, [&](const gui::MessageBoxSeen& box) {
            return box.caption == kOverwriteCaption && box.text == question ? IDNO : 0;
        });
        ASSERT_EQ(after.boxes.size(), 1u) << ::testing::PrintToString(after.boxes);
        // A required copy that did not happen: the dialog again, and Cancel.
        ASSERT_TRUE(after.installDialogAgain) << run.Showing();
        ASSERT_TRUE(gui::PostClick(after.installDialogAgain, IDCANCEL));
        EXPECT_TRUE(run.WaitForExit().has_value()) << run.Showing();
    }
    EXPECT_TRUE(FileBytes(installedDll) == installedBytes) << "the newer DLL was replaced";
    EXPECT_EQ(ProductVersionOf(installedDll), "4.2.4.0");
    EXPECT_EQ(FileBytes(paths.Repair() + "\\uninstall.lst"), listBefore)
        << "the attempt that ended with the refused copy changed the uninstall list";
    std::filesystem::remove_all(medium, error);
}

TEST(Maintenance, RepairBringsBackADeletedTestProgram) {
    ASSERT_TRUE(EnsureInstalled(CaseName()));
    const InstallationPaths& paths = Paths();
    const std::string program = paths.utilities + "\\SONDREL.EXE";
    ASSERT_TRUE(DeleteFileA(program.c_str())) << "cannot delete " << program;
    const std::optional<std::string> command = MachineString(kUninstallKey, "UninstallString");
    ASSERT_TRUE(command.has_value());

    // The uninstall entry's command, started away from any medium: the
    // chooser offers Remove (preselected) and Repair, not Install.
    SetupRun run = SetupRun::FromCommand(CaseName(), *command, "C:\\");
    HWND chooser = VisitChooser(run);
    ASSERT_TRUE(chooser);
    EXPECT_EQ(gui::IsChecked(chooser, IDC_REMOVE), std::optional<bool>(true));
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(chooser, IDC_REPAIR)));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(chooser, IDC_INSTALL)));
    ASSERT_TRUE(gui::Click(chooser, IDC_REPAIR));
    EXPECT_EQ(gui::IsChecked(chooser, IDC_REPAIR), std::optional<bool>(true));
    run.TakePicture(chooser);
    ASSERT_TRUE(gui::PostClick(chooser, IDOK));
    BoxesSeen after = AnswerBoxes(run, chooser, [](const gui::MessageBoxSeen&) { return 0; });
    EXPECT_TRUE(after.boxes.empty()) << ::testing::PrintToString(after.boxes);
    EXPECT_TRUE(run.WaitForExit().has_value()) << run.Showing();

    EXPECT_TRUE(FileBytes(program) == FileBytes(DistributionFile("SONDREL.EXE")))
        << program << " is not back as it was installed";
}
