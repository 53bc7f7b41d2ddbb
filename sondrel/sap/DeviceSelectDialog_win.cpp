#include "DeviceSelectDialog_win.h"

#include "resource.h"

CSAPDeviceSelectDialog::CSAPDeviceSelectDialog(CDialog* owner, std::vector<std::string> names)
    : CTranslateDialog(IDD_DEVICE_SELECT, owner), names_(std::move(names)) {}

BOOL CSAPDeviceSelectDialog::OnInitDialog() {
    BOOL focusDefault = CTranslateDialog::OnInitDialog();
    // The template's list keeps the order of insertion (no LBS_SORT).
    HWND list = Item(IDC_DEVICE_LIST);
    for (const std::string& name : names_)
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    return focusDefault;
}

// The selection is read from the names given, not back from the control,
// so that a name reaches the caller exactly as SAP gave it.
std::string CSAPDeviceSelectDialog::SelectedName() const {
    LRESULT index = SendMessageA(Item(IDC_DEVICE_LIST), LB_GETCURSEL, 0, 0);
    if (index < 0 || static_cast<size_t>(index) >= names_.size()) return {};
    return names_[static_cast<size_t>(index)];
}

void CSAPDeviceSelectDialog::OnOK() {
    chosen_ = SelectedName();
    EndDialog(IDOK);
}

// A double click selects the item under it first, so the name is there.
void CSAPDeviceSelectDialog::OnDoubleClick() {
    OnOK();
}

const CommandRoutes& CSAPDeviceSelectDialog::Commands() const {
    static const CommandRoute routes[] = {
        Route(IDC_DEVICE_LIST, LBN_DBLCLK, &CSAPDeviceSelectDialog::OnDoubleClick)};
    return Routes(routes);
}
