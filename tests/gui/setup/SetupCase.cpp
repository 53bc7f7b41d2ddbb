#include "SetupCase.h"

#include "BuildFiles.h"
#include "Controls.h"
#include "SetupMachine.h"
#include "ShotLog.h"
#include "WindowSearch.h"

#include "resource.h"

#include <cstdlib>
#include <filesystem>

namespace setupgui {

namespace {

constexpr const char* kCreateDirectoryStart = "Create directory ";

bool installed = false;

InstallationPaths MakePaths() {
    InstallationPaths paths;
    paths.medium = gui::JoinPath(gui::CaseRootDirectory(), "setup-medium");
    const char* programFiles = std::getenv("ProgramFiles");
    paths.utilities = std::string(programFiles ? programFiles : "C:") + "\\Barcode";
    paths.dll = paths.utilities + "\\DLL";
    return paths;
}

// The run starts and ends on a machine without an installation, with the
// medium copied from the build's distribution folder.
class SetupEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        RemoveInstallation(Paths().utilities);
        std::error_code error;
        std::filesystem::remove_all(Paths().medium, error);
        ASSERT_TRUE(PathExists(DistributionFile("Setup.exe")))
            << "no " << DistributionFile("Setup.exe") << ": build the distribution target";
        ASSERT_TRUE(CopyFiles(gui::JoinPath(gui::BuildDirectory(), "distribution"),
                              Paths().medium, MediumFiles()))
            << "the distribution folder lacks one of its files";
    }
    void TearDown() override {
        RemoveInstallation(Paths().utilities);
        std::error_code error;
        std::filesystem::remove_all(Paths().medium, error);
    }
};

[[maybe_unused]] ::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new SetupEnvironment);

// The button of a box that stands for the answer: an OK/Cancel question
// has no Yes, a Yes/No question no OK.
int ButtonOf(HWND box, int answer) {
    if (GetDlgItem(box, answer) != nullptr) return answer;
    if (answer == IDOK && GetDlgItem(box, IDYES) != nullptr) return IDYES;
    if (answer == IDYES && GetDlgItem(box, IDOK) != nullptr) return IDOK;
    if (answer == IDNO && GetDlgItem(box, IDCANCEL) != nullptr) return IDCANCEL;
    if (answer == IDCANCEL && GetDlgItem(box, IDNO) != nullptr) return IDNO;
    return answer;
}

bool Leave(HWND dialog, int button) {
    return gui::PostClick(dialog, button) && gui::WaitUntilClosed(dialog);
}

COLORREF ScreenPixel(int x, int y) {
    HDC screen = GetDC(nullptr);
    COLORREF colour = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return colour;
}

} // namespace

const InstallationPaths& Paths() {
    static const InstallationPaths paths = MakePaths();
    return paths;
}

const std::vector<std::string>& MediumFiles() {
    static const std::vector<std::string> files = {"BARCODE.DL_", "SONDREL.EXE", "Barcode.dat",
                                                   "Setup.exe", "ReadMe.txt"};
    return files;
}

std::string DistributionFile(const std::string& name) {
    return gui::JoinPath(gui::JoinPath(gui::BuildDirectory(), "distribution"), name);
}

std::string CaseName() {
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    return gui::FileNamePart(std::string("Setup-") + info->test_suite_name() + "-" + info->name());
}

HWND PassPagesToInstallDialog(SetupRun& run, PagesSeen* pages) {
    pages->splash = run.VisitSplash() != nullptr;
    HWND intro = run.VisitDialog(kIntroTitle, kSplashTimeoutMs);
    if (!intro) {
        ADD_FAILURE() << "no page \"" << kIntroTitle << "\"; " << run.Showing();
        return nullptr;
    }
    pages->description = gui::ControlText(intro, IDC_DESCRIPTION).value_or("");
    if (!Leave(intro, IDOK)) {
        ADD_FAILURE() << "the intro does not close with Continue; " << run.Showing();
        return nullptr;
    }
    HWND welcome = run.VisitDialog(kWelcomeTitle);
    if (!welcome) {
        ADD_FAILURE() << "no page \"" << kWelcomeTitle << "\"; " << run.Showing();
        return nullptr;
    }
    // The backdrop behind the welcome page.
    if (HWND frame = run.VisitFrame()) {
        pages->frameMaximised = IsZoomed(frame) != FALSE;
        RECT area{};
        GetWindowRect(frame, &area);
        pages->backdrop = ScreenPixel(area.left + 10, area.bottom - 10);
    }
    pages->welcome = gui::ControlText(welcome, IDC_WELCOME_TEXT).value_or("");
    pages->warning = gui::ControlText(welcome, IDC_WARNING_TEXT).value_or("");
    if (!Leave(welcome, IDOK)) {
        ADD_FAILURE() << "the welcome page does not close with Next; " << run.Showing();
        return nullptr;
    }
    HWND install = run.VisitDialog(kInstallTitle);
    if (!install) ADD_FAILURE() << "no dialog \"" << kInstallTitle << "\"; " << run.Showing();
    return install;
}

BoxesSeen AnswerBoxes(SetupRun& run, HWND leftDialog,
                      const std::function<int(const gui::MessageBoxSeen&)>& answer) {
    BoxesSeen seen;
    bool left = false;
    DWORD since = GetTickCount();
    while (GetTickCount() - since < gui::kWindowTimeoutMs) {
        const bool ended = !run.Running();
        if (!leftDialog || !IsWindow(leftDialog) || !IsWindowVisible(leftDialog)) left = true;
        HWND box = nullptr;
        HWND again = nullptr;
        for (HWND dialog : gui::VisibleDialogs(run.Id())) {
            if (gui::IsMessageBox(dialog))
                box = box ? box : dialog;
            else if (gui::WindowTitle(dialog) == kInstallTitle && (dialog != leftDialog || left))
                again = dialog;
        }
        if (box) {
            run.TakePicture(box);
            seen.boxes.push_back(gui::ReadMessageBox(box));
            const int button = answer(seen.boxes.back());
            if (button == 0) {
                ADD_FAILURE() << "unexpected box " << seen.boxes.back();
                return seen;
            }
            if (!gui::AnswerMessageBox(box, ButtonOf(box, button))) {
                ADD_FAILURE() << "the box " << seen.boxes.back() << " does not close";
                return seen;
            }
            since = GetTickCount();
            continue;
        }
        if (again) {
            run.TakePicture(again);
            seen.installDialogAgain = again;
            return seen;
        }
        if (ended) return seen;
        Sleep(gui::kPollIntervalMs);
    }
    return seen;
}

int InstallationAnswer(const gui::MessageBoxSeen& box) {
    if (box.caption == kEngineCaption && box.text.starts_with(kCreateDirectoryStart)) return IDOK;
    if (box.caption == kProductTitle) return IDOK;
    if (box.caption == kRunTestProgramCaption && box.text == kRunTestProgramText) return IDNO;
    return 0;
}

bool RunWholeInstallation(const std::string& caseName) {
    installed = false;
    const InstallationPaths& paths = Paths();
    SetupRun run(caseName, paths.Setup(), paths.medium);
    EXPECT_TRUE(run.Started()) << run.Showing();
    PagesSeen pages;
    HWND install = PassPagesToInstallDialog(run, &pages);
    if (!install) return false;
    EXPECT_TRUE(pages.splash) << "no splash before the intro";
    EXPECT_NE(pages.description.find("Barcode"), std::string::npos)
        << "the intro's description: \"" << pages.description << "\"";
    EXPECT_TRUE(pages.frameMaximised) << "the backdrop is not maximised";
    EXPECT_EQ(pages.backdrop, RGB(0, 0, 255)) << "the backdrop is not blue";
    EXPECT_NE(pages.welcome.find("It is strongly recommended that you exit all Windows programs "
                                 "before you run this setup program."),
              std::string::npos)
        << "the welcome text: \"" << pages.welcome << "\"";
    EXPECT_FALSE(pages.warning.empty()) << "no warning on the welcome page";

    // The defaults: the System directory for D, ProgramFiles\Barcode for U.
    const std::string defaultDll = gui::ControlText(install, IDC_DLL_DIRECTORY).value_or("");
    const std::string defaultUtilities =
        gui::ControlText(install, IDC_UTILITIES_DIRECTORY).value_or("");
    EXPECT_TRUE(SameText(defaultDll, SystemDirectory())) << "D: " << defaultDll;
    EXPECT_TRUE(SameText(defaultUtilities, paths.utilities)) << "U: " << defaultUtilities;

    // Both Browse buttons open the folder selection; Cancel keeps the text.
    for (int browse : {IDC_BROWSE_DLL, IDC_BROWSE_UTILITIES}) {
        SCOPED_TRACE(browse == IDC_BROWSE_DLL ? "Browse for D" : "Browse for U");
        EXPECT_TRUE(gui::PostClick(install, browse));
        HWND folder = run.VisitDialog(kFolderTitle);
        EXPECT_TRUE(folder) << "no \"" << kFolderTitle << "\"; " << run.Showing();
        if (folder) {
            EXPECT_TRUE(Leave(folder, IDCANCEL)) << "the folder selection stays";
        }
    }
    EXPECT_EQ(gui::ControlText(install, IDC_DLL_DIRECTORY).value_or(""), defaultDll);
    EXPECT_EQ(gui::ControlText(install, IDC_UTILITIES_DIRECTORY).value_or(""), defaultUtilities);

    EXPECT_TRUE(gui::SetControlText(install, IDC_DLL_DIRECTORY, paths.dll));
    EXPECT_TRUE(gui::SetControlText(install, IDC_UTILITIES_DIRECTORY, paths.utilities));
    run.TakePicture(install);
    EXPECT_TRUE(gui::PostClick(install, IDOK));
    BoxesSeen after = AnswerBoxes(run, install, InstallationAnswer);
    EXPECT_FALSE(after.installDialogAgain) << "the installation dialog came again after the boxes "
                                           << ::testing::PrintToString(after.boxes);

    const std::string completionStart = std::string(kProductTitle) + " version " +
                                        ProductVersionOf(DistributionFile("BARCODE.DL_")) +
                                        ".\nInstallation complete.";
    std::vector<std::string> captions;
    bool completion = false;
    for (const gui::MessageBoxSeen& box : after.boxes) {
        if (box.caption == kProductTitle) completion = box.text.starts_with(completionStart);
        if (!(box.caption == kEngineCaption && box.text.starts_with(kCreateDirectoryStart)))
            captions.push_back(box.caption);
    }
    EXPECT_TRUE(completion) << "no completion starting \"" << completionStart << "\" in "
                            << ::testing::PrintToString(after.boxes);
    EXPECT_EQ(captions, (std::vector<std::string>{kProductTitle, kRunTestProgramCaption}))
        << ::testing::PrintToString(after.boxes);
    const std::optional<DWORD> exitCode = run.WaitForExit();
    EXPECT_EQ(exitCode, std::optional<DWORD>(0)) << run.Showing();
    installed = !::testing::Test::HasFailure() && exitCode == std::optional<DWORD>(0);
    return installed;
}

bool EnsureInstalled(const std::string& caseName) {
    if (installed && PathExists(Paths().utilities) && MachineKeyExists(kUninstallKey)) return true;
    RemoveInstallation(Paths().utilities);
    return RunWholeInstallation(caseName + "-installation");
}

void ForgetInstallation() {
    installed = false;
}

HWND VisitChooser(SetupRun& run) {
    HWND chooser = run.VisitDialog(kChooserTitle, gui::kFirstWindowTimeoutMs);
    if (!chooser) ADD_FAILURE() << "no chooser \"" << kChooserTitle << "\"; " << run.Showing();
    return chooser;
}

} // namespace setupgui
