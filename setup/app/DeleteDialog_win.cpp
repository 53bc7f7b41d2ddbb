#include "DeleteDialog_win.h"

#include "resource.h"
#include "ui/DataExchange.h"

CDeleteDialog::CDeleteDialog(const ChooserState& state)
    : CDialog(IDD_DELETE), selected(state.selected), state_(state) {}

BOOL CDeleteDialog::OnInitDialog() {
    EnableWindow(Item(IDC_REMOVE), state_.removeEnabled);
    EnableWindow(Item(IDC_REPAIR), state_.repairEnabled);
    EnableWindow(Item(IDC_INSTALL), state_.installEnabled);
    return CDialog::OnInitDialog();
}

void CDeleteDialog::DoDataExchange(CDataExchange& dx) {
    int index = static_cast<int>(selected);
    ExchangeRadio(dx, IDC_REMOVE, index);
    if (!dx.Saving()) return;
    // A disabled choice cannot be checked by the user; should it come
    // checked anyhow, it does not run.
    ChooserAction chosen = static_cast<ChooserAction>(index);
    selected = state_.IsEnabled(chosen) ? chosen : ChooserAction::None;
}
