// The test program's application object: its whole life runs in
// InitInstance (catalog, log, DLL binding, start dialog, main dialog loop,
// release), which returns FALSE so that the process then ends.
#pragma once

#include "StartMode.h"
#include "ui/App.h"

class CTestData;

class CSondrelApp : public CApp {
  public:
    CSondrelApp();

    BOOL InitInstance() override;
    void OnAppAbout() override;

    StartMode Mode() const { return startMode_; }

  private:
    StartMode AskStartMode();
    // Shows the main dialog again and again until it ends with IDCANCEL.
    void RunMainDialog(CTestData& dialog);

    StartMode startMode_ = kImportFromSap;
};

CSondrelApp& SondrelApp();
