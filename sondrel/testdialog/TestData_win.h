// The main dialog "Configure Barcodes": the program's main window with its
// menu. It ends only with IDCANCEL (Exit, Escape, the close box, File/Exit);
// Enter presses the default button "Display" and leaves it open.
#pragma once

#include "ui/Dialog.h"

#include <string>

class CTestData : public CDialog {
  public:
    CTestData();

    // Where the barcode DLL was loaded from ("Storage location").
    std::string storageLocation;

  protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(CDataExchange& dx) override;
    const CommandRoutes& Commands() const override;

    // Re-runs the preview with the current settings.
    virtual void Refresh();

  private:
    void OnDisplay();
    void OnPrint();
};
