#include "catalog/TranslateDialog_win.h"

#include "catalog/Placeholders.h"

namespace {

BOOL CALLBACK ExpandOneControl(HWND control, LPARAM) {
    char text[kDialogTextReadLimit + 1] = {};
    GetWindowTextA(control, text, sizeof text);
    char expanded[kDialogTextBufferSize];
    if (ExpandDialogPlaceholders(text, expanded, sizeof expanded))
        SetWindowTextA(control, expanded);
    return TRUE;
}

} // namespace

void ExpandPlaceholdersInControls(HWND dialog) {
    EnumChildWindows(dialog, &ExpandOneControl, 0);
}

BOOL CTranslateDialog::OnInitDialog() {
    BOOL result = CDialog::OnInitDialog();
    ExpandPlaceholdersInControls(Handle());
    return result;
}
