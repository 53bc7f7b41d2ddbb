#include "MaxicodeDialog_win.h"

#include "resource.h"
#include "ui/DataExchange.h"

CMaxicodeDlg::CMaxicodeDlg(CDialog& owner, std::function<void()> onChange)
    : CDialog(IDD_MAXICODE, &owner), onChange_(std::move(onChange)) {}

BOOL CMaxicodeDlg::OnInitDialog() {
    BOOL result = CDialog::OnInitDialog();
    ready_ = true;
    return result;
}

void CMaxicodeDlg::DoDataExchange(CDataExchange& dx) {
    for (const MaxiCodeFieldLimit& limit : kMaxiCodeFieldLimits)
        ExchangeText(dx, limit.controlId, fields.*limit.field, limit.maxLength);
    ExchangeCheck(dx, IDC_MC_ADDRESS_VALIDATION, fields.addressValidation);
}

// Closing it only hides it; the main dialog shows it again with MaxiCode.
void CMaxicodeDlg::OnCancel() {
    ShowWindow(Handle(), SW_HIDE);
}

const CommandRoutes& CMaxicodeDlg::Commands() const {
    static const CommandRoute routes[] = {
        Route(kAnyControl, EN_CHANGE, &CMaxicodeDlg::OnFieldChanged),
        Route(IDC_MC_ADDRESS_VALIDATION, BN_CLICKED, &CMaxicodeDlg::OnFieldChanged),
    };
    return Routes(routes);
}

// Quietly: a field is never refused, and the main dialog rebuilds its
// command from what the fields hold now.
void CMaxicodeDlg::OnFieldChanged() {
    if (!ready_) return;
    UpdateData(true, true);
    onChange_();
}
