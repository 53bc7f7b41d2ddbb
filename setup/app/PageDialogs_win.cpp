#include "PageDialogs_win.h"

#include "PageTexts.h"
#include "resource.h"

#include <richedit.h>

CInit2Dialog::CInit2Dialog(Product product) : CDialog(IDD_INIT2), product_(product) {}

BOOL CInit2Dialog::OnInitDialog() {
    CDialog::OnInitDialog();
    // The rich edit control reads the description as rich text.
    SETTEXTEX how{ST_DEFAULT, CP_ACP};
    SendMessageA(Item(IDC_DESCRIPTION), EM_SETTEXTEX, reinterpret_cast<WPARAM>(&how),
                 reinterpret_cast<LPARAM>(ProductDescription(product_)));
    // The buttons take the keys, not the text.
    SetFocus(GetDlgItem(window_, IDOK));
    return FALSE;
}

CInit3Dialog::CInit3Dialog(std::string productTitle)
    : CDialog(IDD_INIT3), productTitle_(std::move(productTitle)) {}

BOOL CInit3Dialog::OnInitDialog() {
    CDialog::OnInitDialog();
    SetDlgItemTextA(window_, IDC_WELCOME_TEXT, WelcomeText(productTitle_).c_str());
    SetDlgItemTextA(window_, IDC_WARNING_TEXT, WarningText());
    return TRUE;
}
