#include "PclDialog_win.h"

#include "PclComboLists.h"
#include "resource.h"
#include "ui/DataExchange.h"

namespace {

// The computed fields and the read-only edit that shows each.
struct FieldControl {
    int id;
    std::string PclFields::*field;
};
constexpr FieldControl kFieldControls[] = {
    {IDC_PCL_FONT_NUMBER, &PclFields::fontNumber},
    {IDC_PCL_NOTE, &PclFields::note},
    {IDC_PCL_ANNOTATION, &PclFields::annotation},
    {IDC_PCL_TEXT_FORMAT, &PclFields::textFormat},
    {IDC_PCL_HEIGHT, &PclFields::height},
    {IDC_PCL_BAR_WIDTHS, &PclFields::barWidths},
    {IDC_PCL_SPACE_WIDTHS, &PclFields::spaceWidths},
    {IDC_PCL_ROTATION, &PclFields::rotation},
    {IDC_PCL_BARCODE_ON, &PclFields::barcodeOn},
    {IDC_PCL_BARCODE_OFF, &PclFields::barcodeOff},
};

// The choices that only matter while the main dialog annotates.
constexpr int kAnnotationControls[] = {IDC_PCL_ANNOTATION_POSITION, IDC_PCL_INCLUDE_STAR,
                                       IDC_PCL_INCLUDE_CHECKSUM, IDC_PCL_TEXT_STYLE,
                                       IDC_PCL_TYPE_FACE};

template <size_t N> void FillCombo(HWND combo, const char* const (&items)[N]) {
    SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    for (const char* item : items)
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
}

} // namespace

CPclDialog::CPclDialog(CDialog& owner)
    : CDialog(IDD_PCL, &owner), fields_(GeneratePclFields(inputs_, options_)) {}

BOOL CPclDialog::OnInitDialog() {
    FillComboLists();
    CDialog::OnInitDialog();
    EnableAnnotationControls();
    // Not a computed field: the first of them would open with its text
    // selected, as if the user had marked it.
    SetFocus(Item(IDC_PCL_HEXADECIMAL));
    return FALSE;
}

void CPclDialog::FillComboLists() {
    using namespace sondrel;
    FillCombo(Item(IDC_PCL_ANNOTATION_POSITION), kPclAnnotationPositionItems);
    FillCombo(Item(IDC_PCL_TEXT_STYLE), kPclTextStyleItems);
    FillCombo(Item(IDC_PCL_TYPE_FACE), kPclTypeFaceItems);
}

void CPclDialog::DoDataExchange(CDataExchange& dx) {
    ExchangeCheck(dx, IDC_PCL_HEXADECIMAL, options_.hexadecimal);
    ExchangeComboIndex(dx, IDC_PCL_ANNOTATION_POSITION, options_.annotationPosition);
    ExchangeCheck(dx, IDC_PCL_INCLUDE_STAR, options_.includeStar);
    ExchangeCheck(dx, IDC_PCL_INCLUDE_CHECKSUM, options_.includeChecksum);
    ExchangeComboIndex(dx, IDC_PCL_TEXT_STYLE, options_.textStyle);
    ExchangeComboIndex(dx, IDC_PCL_TYPE_FACE, options_.typeFace);
    // The computed fields only go out; what they hold is never read back.
    if (dx.Saving()) return;
    for (const FieldControl& control : kFieldControls)
        SetChangedWindowText(dx.Control(control.id), fields_.*control.field);
}

const CommandRoutes& CPclDialog::Commands() const {
    static const CommandRoute routes[] = {
        Route(IDC_PCL_HEXADECIMAL, BN_CLICKED, &CPclDialog::OnChoiceChanged),
        Route(IDC_PCL_ANNOTATION_POSITION, CBN_SELCHANGE, &CPclDialog::OnChoiceChanged),
        Route(IDC_PCL_INCLUDE_STAR, BN_CLICKED, &CPclDialog::OnChoiceChanged),
        Route(IDC_PCL_INCLUDE_CHECKSUM, BN_CLICKED, &CPclDialog::OnChoiceChanged),
        Route(IDC_PCL_TEXT_STYLE, CBN_SELCHANGE, &CPclDialog::OnChoiceChanged),
        Route(IDC_PCL_TYPE_FACE, CBN_SELCHANGE, &CPclDialog::OnChoiceChanged),
    };
    return Routes(routes);
}

// The main dialog shows it again with the next press of "PCL".
void CPclDialog::OnCancel() {
    ShowWindow(Handle(), SW_HIDE);
}

void CPclDialog::Update(const PclInputs& inputs) {
    inputs_ = inputs;
    Regenerate();
}

void CPclDialog::OnChoiceChanged() {
    Regenerate();
}

void CPclDialog::Regenerate() {
    // No check box or list refuses a value, so the exchange is quiet.
    if (Handle()) UpdateData(true, true);
    fields_ = GeneratePclFields(inputs_, options_);
    if (!Handle()) return;
    UpdateData(false, true);
    EnableAnnotationControls();
}

void CPclDialog::EnableAnnotationControls() {
    for (int id : kAnnotationControls)
        if (HWND control = Item(id)) EnableWindow(control, fields_.annotationControlsEnabled);
}
