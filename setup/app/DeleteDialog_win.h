// The chooser: remove, repair or install, each enabled only when it can
// run; OK with nothing chosen shows the chooser again.
#pragma once

#include "SetupStart.h"
#include "ui/Dialog.h"

class CDeleteDialog : public CDialog {
  public:
    explicit CDeleteDialog(const ChooserState& state);

    ChooserAction selected;

  protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange& dx) override;

  private:
    ChooserState state_;
};
