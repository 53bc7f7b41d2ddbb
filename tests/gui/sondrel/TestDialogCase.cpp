#include "TestDialogCase.h"

#include <filesystem>

namespace sondrel {

Outcome ReadOutcome(HWND main) {
    Outcome outcome;
    outcome.parameters = gui::ControlText(main, kParametersEdit).value_or("<no answer>");
    outcome.hexadecimal = gui::ControlText(main, kParametersHexEdit).value_or("<no answer>");
    outcome.response = gui::ControlText(main, kResponseEdit).value_or("<no answer>");
    outcome.responseEnabled = IsWindowEnabled(GetDlgItem(main, kResponseEdit));
    return outcome;
}

HWND SondrelTestDialog::OpenTestDialog() {
    EXPECT_NO_FATAL_FAILURE(InstallProgram());
    EXPECT_NO_FATAL_FAILURE(StartSondrel());
    return HasFatalFailure() ? nullptr : OpenMainDialog();
}

void SondrelTestDialog::ChooseType(HWND main, const char* longName) {
    ASSERT_TRUE(gui::ChooseComboItem(main, kTypeCombo, longName))
        << "no type \"" << longName << "\" to choose";
    EXPECT_EQ(gui::ControlText(main, kTypeCombo), longName);
}

Outcome SondrelTestDialog::Type(HWND main, const std::string& data) {
    EXPECT_TRUE(gui::SetControlText(main, kTestDataEdit, data));
    return ReadOutcome(main);
}

Outcome SondrelTestDialog::Display(HWND main, const std::string& data) {
    Type(main, data);
    EXPECT_TRUE(gui::Click(main, kDisplayButton));
    return ReadOutcome(main);
}

void SondrelTestDialog::ExpectPictureSaved(HWND window) {
    std::string path = session().TakePicture(window);
    EXPECT_TRUE(!path.empty() && std::filesystem::exists(path))
        << "no picture of \"" << gui::WindowTitle(window) << "\" (" << path << ")";
}

void SondrelTestDialog::ExitCleanly(HWND main) {
    ASSERT_TRUE(gui::PostClick(main, kExitButton));
    EXPECT_EQ(ExitCode(), 0u) << Showing();
}

} // namespace sondrel
