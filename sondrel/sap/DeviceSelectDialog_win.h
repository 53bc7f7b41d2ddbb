// The device type list of an import (dialog 118 "Select a Device Type"):
// the names in the order given (the SAP side puts the SAPWIN types first);
// OK or a double click takes the selected name.
#pragma once

#include "catalog/TranslateDialog_win.h"

#include <string>
#include <vector>

class CSAPDeviceSelectDialog : public CTranslateDialog {
  public:
    CSAPDeviceSelectDialog(CDialog* owner, std::vector<std::string> names);

    // The name taken with OK or a double click; empty when none was
    // selected or the dialog was cancelled.
    const std::string& Chosen() const { return chosen_; }

  protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    const CommandRoutes& Commands() const override;

  private:
    void OnDoubleClick();
    std::string SelectedName() const;

    std::vector<std::string> names_;
    std::string chosen_;
};
