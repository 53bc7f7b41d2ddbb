#include "SetupApp_win.h"

#include "AboutDialog_win.h"
#include "DeleteDialog_win.h"
#include "PageTexts.h"
#include "RemovalRepair.h"
#include "SetupProducts.h"
#include "WindowsInstallSystem_win.h"

namespace {
CSondrelApp theSetupApp;

bool FileIsHere(const char* name) {
    DWORD attributes = GetFileAttributesA(name);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}
} // namespace

CSondrelApp& SetupApp() {
    return theSetupApp;
}

CSondrelApp::CSondrelApp() : CApp("Setup") {}

BOOL CSondrelApp::InitInstance() {
    // The intro page's description is a rich edit control's.
    LoadLibraryA("riched20.dll");
    if (frame_.Create(Instance())) {
        SetMainWindow(&frame_);
        boxes_.SetOwner(frame_.Handle());
    }

    const std::string commandLine = CommandLine();
    WindowsInstallSystem system(boxes_);
    switch (StartCaseOf(commandLine, system.UninstallEntryExists())) {
    case StartCase::ShowParameters:
        MessageBoxA(frame_.Handle(), commandLine.c_str(), page_text::kParametersCaption,
                    MB_OKCANCEL);
        SetExitCode(1);
        break;
    case StartCase::DetectProducts:
        DetectProduct();
        break;
    case StartCase::ShowChooser:
        RunChooser(system, commandLine);
        break;
    }
    SetMainWindow(nullptr);
    if (frame_.Handle()) DestroyWindow(frame_.Handle());
    return FALSE;
}

void CSondrelApp::RunChooser(WindowsInstallSystem& system, const std::string& commandLine) {
    const ChooserState state = ChooserStateFor(commandLine, LookAtStartDirectory());
    for (;;) {
        CDeleteDialog chooser(state);
        if (chooser.DoModal() != IDOK) {
            SetExitCode(1);
            return;
        }
        switch (chooser.selected) {
        case ChooserAction::None:
            continue;
        case ChooserAction::Remove:
            frame_.SetProductTitle(kUninstallTitle);
            if (RunRemoval(system, ListPathFromCommandLine(commandLine, ListUse::Removal)) ==
                RemovalOutcome::HandOverFailed)
                SetExitCode(1);
            return;
        case ChooserAction::Repair:
            frame_.SetProductTitle(kUninstallTitle);
            RunRepair(system, ListPathFromCommandLine(commandLine, ListUse::Repair));
            return;
        case ChooserAction::Install:
            DetectProduct();
            return;
        }
    }
}

StartDirectory CSondrelApp::LookAtStartDirectory() {
    StartDirectory directory;
    directory.uninstallListPresent = FileIsHere(start_files::kUninstallList);
    directory.barcodeMarkerPresent = FileIsHere(start_files::kBarcodeMarker);
    directory.serverMarkerPresent = FileIsHere(start_files::kServerMarker);
    return directory;
}

void CSondrelApp::DetectProduct() {
    // The menu's "Installieren" must not start a second run inside a page.
    if (installing_) return;
    installing_ = true;
    const std::vector<Product> products = ProductsIn(LookAtStartDirectory());
    if (products.empty())
        Box(page_text::kDataNotFound, page_text::kSetupCaption, MB_OK | MB_ICONERROR);
    for (Product product : products) InstallProduct(product, ProductTitle(product));
    installing_ = false;
}

void CSondrelApp::OnAppAbout() {
    CAboutDlg about;
    about.DoModal();
}

int CSondrelApp::Box(const std::string& text, const char* caption, UINT style) {
    return MessageBoxA(frame_.Handle(), text.c_str(), caption, style);
}
