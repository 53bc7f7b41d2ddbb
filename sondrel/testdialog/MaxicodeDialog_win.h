// "Maxicode Data": the shipment fields of a MaxiCode test symbol, beside
// the main dialog while MaxiCode is the barcode type. Modeless and owned by
// the main dialog, which creates it on the first choice of MaxiCode and
// hides it for other types; every change refreshes the main dialog.
#pragma once

#include "TestSettings.h"
#include "ui/Dialog.h"

#include <functional>

class CMaxicodeDlg : public CDialog {
  public:
    // onChange runs after every edit change and click of the dialog.
    CMaxicodeDlg(CDialog& owner, std::function<void()> onChange);

    MaxiCodeFields fields;

  protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange& dx) override;
    const CommandRoutes& Commands() const override;
    // Enter and Escape keep the dialog: it lives as long as the main dialog.
    void OnOK() override {}
    void OnCancel() override;

  private:
    void OnFieldChanged();

    std::function<void()> onChange_;
    bool ready_ = false; // the controls hold the fields: changes are the user's
};
