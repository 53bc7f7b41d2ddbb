// "System Barcode Properties" (122): edits a system barcode definition of
// the definitions view. The dialog is filled from the definition; OK takes
// every field (the name is shown only), refuses values out of their range
// with a message and keeps the dialog open, and copies them into the
// definition; Cancel leaves the definition as it was. What is not a window
// (the combo lists, units and types) is SystemBarcodeFields.
//
//   CSystemBarcodeDialog dialog(this, definition);
//   if (dialog.DoModal() == IDOK) ... // the definition holds the new values
#pragma once

#include "SystemBarcodeFields.h"
#include "ui/Dialog.h"

class CNamedCodeDefinitionTreeElement;

class CSystemBarcodeDialog : public CDialog {
  public:
    // owner: the dialog the properties are opened from (null: the main
    // window). The definition must outlive the dialog.
    CSystemBarcodeDialog(CDialog* owner, CNamedCodeDefinitionTreeElement& definition);

  protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange& dx) override;
    void OnOK() override;

  private:
    CNamedCodeDefinitionTreeElement& definition_;
    SystemBarcodeFields fields_;
};
