#include "SapConnectionDialog_win.h"

#include "resource.h"

CSapConnectionDialog::CSapConnectionDialog(CDialog* owner)
    : CTranslateDialog(IDD_SAP_CONNECTION, owner) {}
