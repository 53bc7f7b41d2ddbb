// Removal through the uninstall entry's command: nothing without the entry,
// everything of the installation with it, U last, after Setup has ended.
#include "Controls.h"
#include "SetupCase.h"
#include "SetupMachine.h"

#include "resource.h"

#include <gtest/gtest.h>

using namespace setupgui;
using namespace std::chrono_literals;

namespace {

// Runs the command with Remove chosen in the chooser; the exit code.
std::optional<DWORD> RemoveThrough(const std::string& command) {
    SetupRun run = SetupRun::FromCommand(CaseName(), command, "C:\\");
    HWND chooser = VisitChooser(run);
    if (!chooser) return std::nullopt;
    EXPECT_EQ(gui::IsChecked(chooser, IDC_REMOVE), std::optional<bool>(true));
    EXPECT_TRUE(gui::PostClick(chooser, IDOK));
    BoxesSeen after = AnswerBoxes(run, chooser, [](const gui::MessageBoxSeen&) { return 0; });
    EXPECT_TRUE(after.boxes.empty()) << ::testing::PrintToString(after.boxes);
    std::optional<DWORD> exitCode = run.WaitForExit();
    EXPECT_TRUE(exitCode.has_value()) << run.Showing();
    return exitCode;
}

// Every file of the installation, as the uninstall list names them.
std::vector<std::string> InstalledFiles() {
    const InstallationPaths& paths = Paths();
    return {paths.utilities + "\\SONDREL.EXE", paths.utilities + "\\ReadMe.txt",
            paths.utilities + "\\Setup.exe",   paths.utilities + "\\Barcode.dat",
            paths.dll + "\\BARCODE.DLL",       paths.dll + "\\Barcode.dat",
            paths.Repair() + "\\uninstall.lst", CommonProgramsFolder() + "\\Sondrel.LNK"};
}

} // namespace

TEST(Removal, WithoutTheEntryRemovesNothing) {
    ASSERT_TRUE(EnsureInstalled(CaseName()));
    const auto entry = MachineStrings(kUninstallKey);
    const std::optional<std::string> command = MachineString(kUninstallKey, "UninstallString");
    ASSERT_TRUE(command.has_value());
    DeleteMachineKey(kUninstallKey);

    RemoveThrough(*command);
    // The command processor would remove U within seconds.
    Sleep(6000);
    for (const std::string& file : InstalledFiles())
        EXPECT_TRUE(PathExists(file)) << file << " was removed";
    WriteMachineStrings(kUninstallKey, entry);
}

TEST(Removal, ThroughTheEntryRemovesEveryFileTheEntryAndFinallyU) {
    ASSERT_TRUE(EnsureInstalled(CaseName()));
    const std::optional<std::string> command = MachineString(kUninstallKey, "UninstallString");
    ASSERT_TRUE(command.has_value());
    ForgetInstallation();

    RemoveThrough(*command);
    EXPECT_FALSE(MachineKeyExists(kUninstallKey)) << "the uninstall entry is still there";
    // U goes last, in a command processor after Setup has ended.
    EXPECT_TRUE(WaitUntilGone(Paths().utilities, 30s)) << Paths().utilities << " is still there";
    for (const std::string& file : InstalledFiles())
        EXPECT_FALSE(PathExists(file)) << file << " is still there";
}
