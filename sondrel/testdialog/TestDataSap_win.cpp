// The main dialog's SAP side: the connection settings it holds for the run,
// the menu SAP/Connection and the button "Export to SAP". The import and
// export themselves are plain code (sondrel/sap); the dialogs and message
// boxes they need come from CSapDialogs.
#include "TestData_win.h"

#include "DllBinding.h"
#include "SapConnectionDialog_win.h"
#include "SapDialogs_win.h"
#include "SapSide.h"

void CTestData::StartSapSide() {
    sapSettings_ = ReadSapSettings();
    treeConnection_ = MakeSapConnection(sapSettings_);
    sapDialogs_ = std::make_unique<CSapDialogs>(*this);
    // Without a bound library every operation fails at its first call and
    // says so; the side is there all the same.
    sapSide_ = std::make_unique<CSapSide>(Libraries().rfc, *sapDialogs_);
}

bool CTestData::EditSapSettings() {
    CSapConnectionDialog dialog(this, sapSettings_);
    if (dialog.DoModal() != IDOK) return false;
    sapSettings_ = dialog.Settings();
    treeConnection_ = MakeSapConnection(sapSettings_);
    return true;
}

void CTestData::OnSapConnection() {
    // Compatibility mode removes the menu; nothing else may reach the
    // settings then.
    if (startMode == kCompatibilityMode) return;
    EditSapSettings();
}

void CTestData::OnExportToSap() {
    SapConnection connection = MakeSapConnection(sapSettings_);
    sapSide_->Export(connection, tree_, treeControl_);
    tree_.UpdateAllImages(treeControl_);
}
