// The start dialog: the user chooses how the program starts. Only OK takes
// the choice; Escape leaves the start mode as it was.
#pragma once

#include "StartMode.h"
#include "ui/Dialog.h"

class CStartDialog : public CDialog {
  public:
    CStartDialog();

    // The radio selection, 0..2; what it was before when the dialog ended
    // without OK.
    int selection = kImportFromSap;

  protected:
    void DoDataExchange(CDataExchange& dx) override;
};
