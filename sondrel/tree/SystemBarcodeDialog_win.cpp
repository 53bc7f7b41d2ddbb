#include "SystemBarcodeDialog_win.h"

#include "NamedCodeDefinitionTreeElement.h"
#include "SystemBarcodeLists.h"
#include "resource.h"
#include "ui/DataExchange.h"
#include "ui/MessageBox.h"

#include <string>
#include <vector>

namespace {

void FillCombo(HWND combo, const std::vector<std::string>& items) {
    SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    for (const std::string& item : items)
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

} // namespace

CSystemBarcodeDialog::CSystemBarcodeDialog(CDialog* owner,
                                           CNamedCodeDefinitionTreeElement& definition)
    : CDialog(IDD_SYSTEM_BARCODE, owner), definition_(definition), fields_(FieldsOf(definition)) {}

BOOL CSystemBarcodeDialog::OnInitDialog() {
    // The lists first, so that loading the fields selects their items; an
    // unknown stored unit or rotation is an item of its own.
    FillCombo(Item(IDC_SB_TYPE), BarcodeTypeItems());
    FillCombo(Item(IDC_SB_WIDTH_UNIT), UnitItems(fields_.widthUnit));
    FillCombo(Item(IDC_SB_HEIGHT_UNIT), UnitItems(fields_.heightUnit));
    FillCombo(Item(IDC_SB_ROTATION), RotationItems(fields_.rotation));
    CDialog::OnInitDialog();
    // The name cannot be changed: the user starts in the description.
    SetFocus(Item(IDC_SB_DESCRIPTION));
    SendMessageA(Item(IDC_SB_DESCRIPTION), EM_SETSEL, 0, -1);
    return FALSE;
}

void CSystemBarcodeDialog::DoDataExchange(CDataExchange& dx) {
    // The name is read-only: shown, never taken.
    if (!dx.Saving()) SetChangedWindowText(Item(IDC_SB_NAME), fields_.name);
    ExchangeText(dx, IDC_SB_DESCRIPTION, fields_.description, kSystemBarcodeDescriptionLength);
    ExchangeComboText(dx, IDC_SB_TYPE, fields_.type, sondrel::kSapBarcodeTypeLength);
    ExchangeDouble(dx, IDC_SB_WIDTH, fields_.width, kSystemBarcodeSizeMinimum,
                   kSystemBarcodeSizeMaximum);
    ExchangeComboText(dx, IDC_SB_WIDTH_UNIT, fields_.widthUnit);
    ExchangeDouble(dx, IDC_SB_HEIGHT, fields_.height, kSystemBarcodeSizeMinimum,
                   kSystemBarcodeSizeMaximum);
    ExchangeComboText(dx, IDC_SB_HEIGHT_UNIT, fields_.heightUnit);
    ExchangeComboText(dx, IDC_SB_ROTATION, fields_.rotation);
    ExchangeInt(dx, IDC_SB_MIN_CHARACTERS, fields_.minCharacters, kSystemBarcodeCharactersMinimum,
                kSystemBarcodeCharactersMaximum);
    ExchangeInt(dx, IDC_SB_MAX_CHARACTERS, fields_.maxCharacters, kSystemBarcodeCharactersMinimum,
                kSystemBarcodeCharactersMaximum);
    ExchangeCheck(dx, IDC_SB_CHECK_DIGIT, fields_.checkDigit);
    ExchangeCheck(dx, IDC_SB_VERTICAL_ALIGN, fields_.verticalAlignment);
}

void CSystemBarcodeDialog::OnOK() {
    if (!UpdateData(true)) return; // the user was told; the field has the focus
    const std::string counts = CheckCharacterCounts(fields_);
    if (!counts.empty()) {
        FrameworkMessageBox(counts.c_str(), MB_OK | MB_ICONEXCLAMATION);
        HWND minimum = Item(IDC_SB_MIN_CHARACTERS);
        SetFocus(minimum);
        SendMessageA(minimum, EM_SETSEL, 0, -1);
        return;
    }
    CopyFieldsInto(fields_, definition_);
    EndDialog(IDOK);
}
