// The SAP connection data (dialog 117 "SAP Connection Data"): system,
// user, client, host or message server. Shown before an import and from
// the menu SAP/Connection; it edits a copy of the settings, which the
// caller takes back only when the dialog ends with OK.
#pragma once

#include "SapSettings.h"
#include "catalog/TranslateDialog_win.h"

class CSapConnectionDialog : public CTranslateDialog {
  public:
    CSapConnectionDialog(CDialog* owner, const SapSettings& settings);

    // The settings as the dialog shows them; after OK, every field as the
    // user left it.
    const SapSettings& Settings() const { return settings_; }

  protected:
    void DoDataExchange(CDataExchange& dx) override;

  private:
    SapSettings settings_;
};
