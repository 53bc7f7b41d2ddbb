#include "SondrelApp_win.h"

#include "AboutDialog_win.h"
#include "DllBinding.h"
#include "StartDialog_win.h"
#include "TestData_win.h"
#include "catalog/Translate.h"
#include "log/Log.h"

namespace {
CSondrelApp theSondrelApp;
// The log's section in barcode.ini names the program.
constexpr const char* kLogSection = "Sondrel";
} // namespace

CSondrelApp& SondrelApp() {
    return theSondrelApp;
}

CSondrelApp::CSondrelApp() : CApp("Sondrel") {}

BOOL CSondrelApp::InitInstance() {
    // A missing catalog ends the program here, before anything is shown.
    Translator().EnsureLoaded();
    LogInit(GetText(203, 38, true), kLogSection);
    BindBarcodeDll();
    startMode_ = AskStartMode();

    CTestData dialog;
    dialog.startMode = startMode_;
    SetMainWindow(&dialog);
    RunMainDialog(dialog);
    SetMainWindow(nullptr);

    ReleaseBarcodeDll();
    return FALSE;
}

StartMode CSondrelApp::AskStartMode() {
    CStartDialog start;
    StartMode mode = kImportFromSap;
    if (start.DoModal() == IDOK) mode = static_cast<StartMode>(start.selection);
    LogWrite(1, "Start mode %d\n", static_cast<int>(mode));
    return mode;
}

void CSondrelApp::RunMainDialog(CTestData& dialog) {
    dialog.storageLocation = Libraries().location;
    for (;;) {
        INT_PTR result = dialog.DoModal();
        if (result == IDCANCEL) return;
        if (result == -1) {
            // The template could not be made into a window: showing it again
            // would fail the same way for ever.
            LogWrite(1, "Main dialog could not be created (%lu)\n", GetLastError());
            MessageBoxA(nullptr, GetText(210, 60, false), GetText(210, 18, false),
                        MB_OK | MB_ICONSTOP);
            return;
        }
    }
}

void CSondrelApp::OnAppAbout() {
    CAboutDlg about;
    about.DoModal();
}
