// The dialog base of dialogs whose control texts name placeholders
// ("::VERSION", "::COPYRIGHT", ...): when the dialog opens, every child
// control's text has its placeholders replaced by their values.
#pragma once

#include "ui/Dialog.h"

class CTranslateDialog : public CDialog {
  public:
    using CDialog::CDialog;

  protected:
    BOOL OnInitDialog() override;
};

// Replaces the placeholders in the texts of every child window of dialog.
void ExpandPlaceholdersInControls(HWND dialog);
