#include "StartDialog_win.h"

#include "resource.h"
#include "ui/DataExchange.h"

CStartDialog::CStartDialog() : CDialog(IDD_START) {}

void CStartDialog::DoDataExchange(CDataExchange& dx) {
    int chosen = selection;
    ExchangeRadio(dx, IDC_START_IMPORT, chosen);
    // No radio checked (cannot happen through the mouse) keeps the mode.
    if (chosen >= kImportFromSap && chosen <= kCompatibilityMode) selection = chosen;
}
