// The SAP connection data (dialog 117 "SAP Connection Data"): system,
// user, client, host or message server. Shown before an import or export;
// OK goes on with the connection, Cancel gives the operation up.
#pragma once

#include "catalog/TranslateDialog_win.h"

class CSapConnectionDialog : public CTranslateDialog {
  public:
    explicit CSapConnectionDialog(CDialog* owner);
};
