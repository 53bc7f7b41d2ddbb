#include "TestData_win.h"

#include "resource.h"
#include "ui/DataExchange.h"

CTestData::CTestData() : CDialog(IDD_TESTDATA) {}

BOOL CTestData::OnInitDialog() {
    SetIconFromResource(IDR_MAINFRAME);
    return CDialog::OnInitDialog();
}

const CommandRoutes& CTestData::Commands() const {
    static const CommandRoute routes[] = {
        Route(IDC_DISPLAY, BN_CLICKED, &CTestData::OnDisplay),
        Route(IDC_PRINT, BN_CLICKED, &CTestData::OnPrint),
    };
    return Routes(routes);
}

void CTestData::DoDataExchange(CDataExchange& dx) {
    // Read-only: only ever shown.
    if (!dx.Saving()) ExchangeText(dx, IDC_STORAGE_LOCATION, storageLocation);
}

// The main dialog stays open on Enter, whatever control has the focus.
void CTestData::OnOK() { OnDisplay(); }

void CTestData::OnDisplay() {
    UpdateData(true);
    Refresh();
    UpdateData(false);
}

void CTestData::OnPrint() {}

void CTestData::Refresh() {
    if (HWND preview = Item(IDC_PREVIEW)) InvalidateRect(preview, nullptr, TRUE);
}
