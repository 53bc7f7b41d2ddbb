// The pages of one product's installation: splash, intro, the backdrop,
// welcome, the installation dialog with its copies, the completion and the
// follow-up question, and the lists that make removal and repair possible.
#include "SetupApp_win.h"

#include "InstallDialog_win.h"
#include "InstallFiles.h"
#include "InstallPaths.h"
#include "InstallRegistry_win.h"
#include "PageDialogs_win.h"
#include "PageTexts.h"
#include "SetupTexts.h"
#include "Splash_win.h"
#include "WindowsInstallSystem_win.h"
#include "resource.h"

namespace {

constexpr DWORD kSplashMilliseconds = 4000;

// The wait cursor while the installer looks at the machine.
class WaitCursor {
  public:
    WaitCursor() : previous_(SetCursor(LoadCursorA(nullptr, IDC_WAIT))) {}
    ~WaitCursor() { SetCursor(previous_); }

  private:
    HCURSOR previous_;
};

// Starts a program and does not wait for it.
void StartProgram(const std::string& program, const std::string& argument) {
    std::string commandLine = "\"" + program + "\"";
    if (!argument.empty()) commandLine += " " + argument;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                       nullptr, &startup, &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
}

} // namespace

void CSondrelApp::InstallProduct(Product product, const std::string& title) {
    frame_.SetProductTitle(title);
    SPLASH::Show(Instance(), frame_.Handle(),
                 product == Product::BarcodeDll ? IDB_SPLASH_BARCODE : IDB_SPLASH_SERVER,
                 kSplashMilliseconds);

    CInit2Dialog intro(product);
    if (intro.DoModal() != IDOK) return;
    frame_.ShowMaximised();
    CInit3Dialog welcome(title);
    if (welcome.DoModal() != IDOK) return;

    WindowsInstallSystem system(boxes_);
    InstallState state;
    {
        WaitCursor waiting;
        state = StartInstallState(system, product);
        RunConflictCheck(system, state.windowsDirectory);
        install_registry::MapProfileToRegistry();
    }
    if (!RunInstallationDialog(system, product, state)) return;
    ShowCompletion(system, product, title, state);
    AskFollowUp(product, title, state);
    WriteListsOfInstallation(system, state);
}

bool CSondrelApp::RunInstallationDialog(WindowsInstallSystem& system, Product product,
                                        InstallState& state) {
    for (;;) {
        CInstall dialog;
        dialog.dllDirectory = state.dllDirectory;
        dialog.utilitiesDirectory = state.utilitiesDirectory;
        if (dialog.DoModal() != IDOK) return false;
        state.dllDirectory = dialog.dllDirectory;
        state.utilitiesDirectory = dialog.utilitiesDirectory;
        WaitCursor copying;
        const bool copied = product == Product::BarcodeDll ? InstallBarcodeDll(system, state)
                                                           : InstallQuodraServer(system, state);
        // A required file was not copied: its message was shown, and the
        // user may choose other directories.
        if (copied) return true;
    }
}

void CSondrelApp::ShowCompletion(WindowsInstallSystem& system, Product product,
                                 const std::string& title, const InstallState& state) {
    // The version of what was installed, not of the installer.
    const std::string installed =
        product == Product::BarcodeDll
            ? JoinPath(state.dllDirectory, "BARCODE.DLL")
            : JoinPath(state.utilitiesDirectory, "QUODRA_SERVER.EXE");
    const std::string version = system.ProductVersionOf(installed).value_or(page_text::kOwnVersion);
    Box(CompletionText(product, title, version), title.c_str(), MB_OK | MB_ICONINFORMATION);
}

void CSondrelApp::AskFollowUp(Product product, const std::string& title, InstallState& state) {
    if (product == Product::BarcodeDll) {
        if (Box(page_text::kRunTestProgram, page_text::kRunTestProgramCaption,
                MB_YESNO | MB_ICONQUESTION) == IDYES)
            StartProgram(JoinPath(state.utilitiesDirectory, "SONDREL.EXE"), "");
        return;
    }
    if (Box(FormatText(page_text::kInstallAsService, {title}), title.c_str(), MB_YESNO) == IDYES) {
        StartProgram(JoinPath(state.utilitiesDirectory, "QUODRA_SERVER.EXE"), "-i");
        RecordServiceRemoval(state);
    }
}
