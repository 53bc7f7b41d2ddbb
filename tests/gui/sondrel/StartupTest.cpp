// Sondrel's start and end as a user meets them: the DLL's init report, the
// start dialog, the main dialog and every way of leaving it.
#include "Controls.h"
#include "Keys.h"
#include "SondrelCase.h"
#include "SondrelUi.h"
#include "WindowCommands.h"
#include "WindowSearch.h"

namespace sondrel {
namespace {

using gui::MessageBoxSeen;

class SondrelStartup : public SondrelCase {};

TEST_F(SondrelStartup, ShowsInitReportStartDialogAndMainDialogWithDllLocation) {
    ASSERT_NO_FATAL_FAILURE(InstallProgram());
    ASSERT_NO_FATAL_FAILURE(StartSondrel());

    HWND start = nullptr;
    std::vector<MessageBoxSeen> boxes = AnswerBoxesUntil(kStartDialogTitle, &start);
    ASSERT_EQ(boxes.size(), 1u) << ::testing::PrintToString(boxes);
    EXPECT_EQ(boxes[0].caption, kInitReportCaption);
    EXPECT_NE(boxes[0].text.find("Barcode DLL Version 4.2.4"), std::string::npos) << boxes[0].text;

    ASSERT_NE(start, nullptr) << Showing();
    EXPECT_EQ(gui::IsChecked(start, kImportRadio), true);
    EXPECT_EQ(gui::IsChecked(start, kPredefinedRadio), false);
    EXPECT_EQ(gui::IsChecked(start, kCompatibilityRadio), false);

    HWND main = PassStartDialog(start);
    ASSERT_NE(main, nullptr) << Showing();
    std::optional<std::string> location = gui::ControlText(main, kStorageLocationEdit);
    ASSERT_TRUE(location.has_value());
    EXPECT_EQ(ComparablePath(*location, directory().Path()),
              ComparablePath(directory().File("Barcode.dll"), ""))
        << "Storage location: " << *location;

    ASSERT_TRUE(gui::PostClick(main, kExitButton));
    EXPECT_EQ(ExitCode(), 0u) << Showing();
}

// How the start dialog is left, after which radio button was chosen, and
// the start mode the program then logs. Enter presses the default button
// OK, which shows that a posted key reaches the dialog's own key handling.
struct StartChoice {
    const char* name;
    int radio;
    enum Leave { kOk, kEnter, kEscape, kCloseBox } leave;
    int startMode;
};
constexpr StartChoice kStartChoices[] = {
    {"OkAfterCompatibility", kCompatibilityRadio, StartChoice::kOk, 2},
    {"EnterAfterPredefined", kPredefinedRadio, StartChoice::kEnter, 1},
    {"EscapeAfterCompatibility", kCompatibilityRadio, StartChoice::kEscape, 0},
    {"CloseBoxAfterPredefined", kPredefinedRadio, StartChoice::kCloseBox, 0},
};

void PrintTo(const StartChoice& choice, std::ostream* out) {
    *out << choice.name;
}

class SondrelStartMode : public SondrelCase, public ::testing::WithParamInterface<StartChoice> {};

bool LeaveStartDialog(HWND start, StartChoice::Leave leave) {
    switch (leave) {
    case StartChoice::kOk:
        return gui::PostClick(start, IDOK);
    case StartChoice::kEnter:
        return gui::PressKey(start, VK_RETURN);
    case StartChoice::kEscape:
        return gui::PressKey(start, VK_ESCAPE);
    case StartChoice::kCloseBox:
        return gui::PressCloseBox(start);
    }
    return false;
}

TEST_P(SondrelStartMode, IsLoggedAfterTheStartDialog) {
    const StartChoice& choice = GetParam();
    ASSERT_NO_FATAL_FAILURE(InstallProgram());
    EnableLog();
    ASSERT_NO_FATAL_FAILURE(StartSondrel());
    HWND start = nullptr;
    AnswerBoxesUntil(kStartDialogTitle, &start);
    ASSERT_NE(start, nullptr) << Showing();

    ASSERT_TRUE(gui::Click(start, choice.radio));
    ASSERT_EQ(gui::IsChecked(start, choice.radio), true);
    session().TakePicture(start);
    ASSERT_TRUE(LeaveStartDialog(start, choice.leave));
    ASSERT_TRUE(gui::WaitUntilClosed(start)) << Showing();
    HWND main = nullptr;
    AnswerBoxesUntil(kMainDialogTitle, &main);
    ASSERT_NE(main, nullptr) << Showing();

    std::string expected = "Start mode " + std::to_string(choice.startMode) + "\n";
    EXPECT_NE(LogText().find(expected), std::string::npos) << "log:\n" << LogText();
    ASSERT_TRUE(gui::PostClick(main, kExitButton));
    EXPECT_EQ(ExitCode(), 0u) << Showing();
}

INSTANTIATE_TEST_SUITE_P(Choices, SondrelStartMode, ::testing::ValuesIn(kStartChoices),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SondrelStartup, EnterInTheMainDialogPressesDisplayAndKeepsItOpen) {
    ASSERT_NO_FATAL_FAILURE(InstallProgram());
    ASSERT_NO_FATAL_FAILURE(StartSondrel());
    HWND main = OpenMainDialog();
    ASSERT_NE(main, nullptr);

    EXPECT_EQ(gui::DefaultButtonId(main), kDisplayButton);
    ASSERT_TRUE(gui::PressKey(main, VK_RETURN));
    // Time for the key to be handled; a dialog that ended late would make
    // the Exit click below fail on its old window.
    Sleep(300);
    ASSERT_TRUE(gui::SendWithTimeout(main, WM_NULL, 0, 0).has_value()) << Showing();
    // The same window: a dialog that ended and was shown again is a new one.
    EXPECT_TRUE(IsWindow(main) && IsWindowVisible(main)) << Showing();
    EXPECT_TRUE(session().program().Running());
    session().Visit(kMainDialogTitle);

    ASSERT_TRUE(gui::PostClick(main, kExitButton));
    EXPECT_EQ(ExitCode(), 0u) << Showing();
}

// The ways a user leaves the main dialog other than its Exit button; each
// ends the program.
struct MainDialogExit {
    const char* name;
    bool (*leave)(HWND main);
};
constexpr MainDialogExit kMainDialogExits[] = {
    {"EscapeKey", [](HWND main) { return gui::PressKey(main, VK_ESCAPE); }},
    {"CloseBox", [](HWND main) { return gui::PressCloseBox(main); }},
    {"CloseMessage", [](HWND main) { return gui::PostCloseMessage(main); }},
    {"FileExit", [](HWND main) { return gui::ChooseMenuCommand(main, kFileExitCommand); }},
};

void PrintTo(const MainDialogExit& exit, std::ostream* out) {
    *out << exit.name;
}

class SondrelMainDialogExit : public SondrelCase,
                              public ::testing::WithParamInterface<MainDialogExit> {};

TEST_P(SondrelMainDialogExit, EndsTheProgramWithExitCode0) {
    ASSERT_NO_FATAL_FAILURE(InstallProgram());
    ASSERT_NO_FATAL_FAILURE(StartSondrel());
    HWND main = OpenMainDialog();
    ASSERT_NE(main, nullptr);

    ASSERT_TRUE(GetParam().leave(main));
    // A result other than IDCANCEL would show the main dialog again.
    EXPECT_EQ(ExitCode(), 0u) << Showing();
}

INSTANTIATE_TEST_SUITE_P(Ways, SondrelMainDialogExit, ::testing::ValuesIn(kMainDialogExits),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace sondrel
