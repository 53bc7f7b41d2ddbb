#include "TestData_win.h"

#include "ComboLists.h"
#include "MaxicodeDialog_win.h"
#include "PclDialog_win.h"
#include "PclSequences.h"
#include "SapDialogs_win.h"
#include "SapSide.h"
#include "ScopedFlag.h"
#include "TestDrawing.h"
#include "catalog/Translate.h"
#include "resource.h"
#include "typetable/BarcodeTypeTable.h"
#include "ui/DataExchange.h"

#include <climits>
#include <commdlg.h>
#include <iterator>

namespace {

constexpr int kMaxiCodeTypeId = 45;
// The builder writes into a buffer of this size; a longer command is refused.
constexpr size_t kCommandBufferSize = 10000;
constexpr size_t kFnc1MaxLength = 7;
constexpr COLORREF kResponseText = RGB(255, 255, 255);
constexpr COLORREF kResponseBackground = RGB(255, 0, 40);
constexpr COLORREF kResponseHatch = RGB(255, 0, 255);
constexpr int kTitlePoints = 12;

// The edits whose change waits until they hold something again: while a
// user replaces a size, the empty edit is not yet a value.
constexpr int kWaitWhileEmpty[] = {IDC_WIDTH, IDC_HEIGHT, IDC_SMALL_BAR, IDC_FORCED_ROWS,
                                   IDC_FORCED_COLUMNS};
// The edits the dialog writes itself.
constexpr int kOutputEdits[] = {IDC_PARAMETERS, IDC_PARAMETERS_HEX, IDC_RESPONSE,
                                IDC_STORAGE_LOCATION, IDC_TITLE};

template <size_t N> bool Contains(const int (&ids)[N], int id) {
    for (int each : ids)
        if (each == id) return true;
    return false;
}

template <size_t N> void FillCombo(HWND combo, const char* const (&items)[N]) {
    SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    for (const char* item : items)
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
}

void FillTypeCombo(HWND combo) {
    SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    for (const BarcodeTypeInfo* row = BarcodeTypeTable; row->longName; ++row)
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row->longName));
}

void EnableControls(HWND dialog, std::initializer_list<int> ids, bool enable) {
    for (int id : ids)
        if (HWND control = GetDlgItem(dialog, id)) EnableWindow(control, enable);
}

void ShowControls(HWND dialog, std::initializer_list<int> ids, bool show) {
    for (int id : ids)
        if (HWND control = GetDlgItem(dialog, id)) ShowWindow(control, show ? SW_SHOW : SW_HIDE);
}

} // namespace

CTestData::CTestData() : CDialog(IDD_TESTDATA) {
    StartSapSide();
}

CTestData::~CTestData() {
    sapSide_.reset();
    maxicode_.reset();
    pcl_.reset();
    if (titleFont_) DeleteObject(titleFont_);
    if (responseBrush_) DeleteObject(responseBrush_);
}

BOOL CTestData::OnInitDialog() {
    ScopedFlag updating(updating_);
    SetIconFromResource(IDR_MAINFRAME);
    SetTitleFont();
    FillComboLists();
    ApplyFactoryValues();
    LoadProfileDefaults();
    ApplyEnabling();
    ApplyWidthLayout();
    BOOL focusDefault = CDialog::OnInitDialog();
    StartTree();
    return focusDefault;
}

void CTestData::SetTitleFont() {
    HDC screen = GetDC(Handle());
    int height = -MulDiv(kTitlePoints, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(Handle(), screen);
    titleFont_ = CreateFontA(height, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             VARIABLE_PITCH | FF_SWISS, "MS Sans Serif");
    if (titleFont_)
        SendMessageA(Item(IDC_TITLE), WM_SETFONT, reinterpret_cast<WPARAM>(titleFont_), TRUE);
}

void CTestData::FillComboLists() {
    using namespace sondrel;
    FillTypeCombo(Item(IDC_BARCODE_TYPE));
    FillCombo(Item(IDC_RATIO), kRatioItems);
    FillCombo(Item(IDC_ROTATION), kRotationItems);
    FillCombo(Item(IDC_SECURITY_LEVEL), kSecurityLevelItems);
    FillCombo(Item(IDC_DM_ENCODING), kDataMatrixEncodingItems);
    FillCombo(Item(IDC_DM_FORMAT), kDataMatrixFormatItems);
    FillCombo(Item(IDC_DM_CONTROL_CHAR), kDataMatrixControlCharItems);
    FillCombo(Item(IDC_X_UNIT), kXUnitItems);
    FillCombo(Item(IDC_Y_UNIT), kYUnitItems);
}

const CommandRoutes& CTestData::Commands() const {
    static const CommandRoute routes[] = {
        Route(IDC_DISPLAY, BN_CLICKED, &CTestData::OnDisplay),
        Route(IDC_PRINT, BN_CLICKED, &CTestData::OnPrint),
        Route(IDC_PCL, BN_CLICKED, &CTestData::OnPcl),
        Route(IDC_EXPORT_SAP, BN_CLICKED, &CTestData::OnExportToSap),
        Route(ID_SAP_CONNECTION, kAnyNotification, &CTestData::OnSapConnection),
        Route(IDC_LOAD_DEFAULTS, BN_CLICKED, &CTestData::OnLoadDefaults),
        Route(IDC_SAVE_DEFAULTS, BN_CLICKED, &CTestData::OnSaveDefaults),
        Route(IDC_FACTORY_DEFAULTS, BN_CLICKED, &CTestData::OnFactoryDefaults),
        Route(IDC_BARCODE_TYPE, CBN_SELCHANGE, &CTestData::OnTypeChosen),
        Route(IDC_ANNOTATE, BN_CLICKED, &CTestData::OnCheckBoxChosen),
        Route(IDC_CHECK_DIGIT, BN_CLICKED, &CTestData::OnCheckBoxChosen),
        Route(IDC_X_ENABLED, BN_CLICKED, &CTestData::OnPositionToggled),
        Route(IDC_Y_ENABLED, BN_CLICKED, &CTestData::OnPositionToggled),
        Route(IDC_ABSOLUTE_WIDTH, BN_CLICKED, &CTestData::OnAbsoluteWidthToggled),
        Route(IDC_KILL_BLANKS, BN_CLICKED, &CTestData::OnSettingChanged),
        Route(IDC_X_ABSOLUTE, BN_CLICKED, &CTestData::OnSettingChanged),
        Route(IDC_Y_ABSOLUTE, BN_CLICKED, &CTestData::OnSettingChanged),
        Route(kAnyControl, CBN_SELCHANGE, &CTestData::OnSettingChanged),
        Route(kAnyControl, CBN_EDITCHANGE, &CTestData::OnSettingChanged),
        Route(kAnyControl, EN_CHANGE, &CTestData::OnEditChanged),
    };
    return Routes(routes);
}

const NotifyRoutes& CTestData::Notifications() const {
    static const NotifyRoute routes[] = {
        Route(IDC_TABS, TCN_SELCHANGE, &CTestData::OnTabChanged),
        Route(IDC_TREE, TVN_SELCHANGEDA, &CTestData::OnTreeSelectionChanged),
        Route(IDC_TREE, TVN_SELCHANGEDW, &CTestData::OnTreeSelectionChanged),
        Route(IDC_TREE, NM_DBLCLK, &CTestData::OnTreeDoubleClick),
        Route(IDC_TREE, TVN_BEGINLABELEDITA, &CTestData::OnTreeBeginLabelEdit),
        Route(IDC_TREE, TVN_ENDLABELEDITA, &CTestData::OnTreeEndLabelEdit),
        Route(IDC_TREE, TVN_BEGINDRAGA, &CTestData::OnTreeBeginDrag),
        Route(IDC_TREE, TVN_BEGINDRAGW, &CTestData::OnTreeBeginDrag),
        Route(IDC_TREE, NM_CUSTOMDRAW, &CTestData::OnTreeCustomDraw),
        Route(IDC_TREE, NM_RCLICK, &CTestData::OnTreeRightClick),
    };
    return Routes(routes);
}

void CTestData::DoDataExchange(CDataExchange& dx) {
    constexpr int kAny = INT_MIN, kAll = INT_MAX;
    TestSettings& s = settings;
    ExchangeComboText(dx, IDC_BARCODE_TYPE, s.barcodeType);
    ExchangeText(dx, IDC_TESTDATA, s.testData);
    ExchangeCheck(dx, IDC_ABSOLUTE_WIDTH, s.absoluteWidth);
    ExchangeInt(dx, IDC_WIDTH, s.width, kAny, kAll);
    ExchangeInt(dx, IDC_HEIGHT, s.height, kAny, kAll);
    ExchangeInt(dx, IDC_COMMON_DPI, s.commonDpi, kAny, kAll);
    ExchangeInt(dx, IDC_SMALL_BAR, s.smallBar, kAny, kAll);
    ExchangeComboIndex(dx, IDC_RATIO, s.ratioIndex);
    ExchangeInt(dx, IDC_EXTRA_GAP, s.extraDotsGap, kAny, kAll);
    ExchangeInt(dx, IDC_EXTRA_BAR, s.extraDotsBar, kAny, kAll);
    ExchangeCheck(dx, IDC_ANNOTATE, s.annotate);
    ExchangeCheck(dx, IDC_CHECK_DIGIT, s.checkDigit);
    ExchangeCheck(dx, IDC_KILL_BLANKS, s.killBlanks);
    ExchangeComboIndex(dx, IDC_ROTATION, s.rotationIndex);
    ExchangeComboIndex(dx, IDC_SECURITY_LEVEL, s.securityLevel);
    ExchangeInt(dx, IDC_FORCED_ROWS, s.forcedRows, 0, 90);
    ExchangeInt(dx, IDC_FORCED_COLUMNS, s.forcedColumns, 0, 30);
    ExchangeComboIndex(dx, IDC_DM_ENCODING, s.dmEncodingIndex);
    ExchangeComboText(dx, IDC_DM_ENCODING, s.dmEncoding);
    ExchangeComboText(dx, IDC_DM_FORMAT, s.dmFormat);
    ExchangeText(dx, IDC_DM_MARGIN, s.dmMargin);
    ExchangeComboText(dx, IDC_DM_CONTROL_CHAR, s.dmControlChar);
    ExchangeText(dx, IDC_FNC1, s.fnc1, kFnc1MaxLength);
    ExchangeCheck(dx, IDC_X_ENABLED, s.xEnabled);
    ExchangeInt(dx, IDC_X_VALUE, s.xValue, kAny, kAll);
    ExchangeCheck(dx, IDC_X_ABSOLUTE, s.xAbsolute);
    ExchangeComboIndex(dx, IDC_X_UNIT, s.xUnit);
    ExchangeCheck(dx, IDC_Y_ENABLED, s.yEnabled);
    ExchangeInt(dx, IDC_Y_VALUE, s.yValue, kAny, kAll);
    ExchangeCheck(dx, IDC_Y_ABSOLUTE, s.yAbsolute);
    ExchangeComboIndex(dx, IDC_Y_UNIT, s.yUnit);
    ExchangeText(dx, IDC_TITLE, s.title);
    // Shown only.
    if (!dx.Saving()) ExchangeText(dx, IDC_STORAGE_LOCATION, storageLocation);
}

void CTestData::ApplyEnabling() {
    ControlEnabling on = EnablingFor(settings);
    HWND dialog = Handle();
    EnableControls(dialog, {IDC_CHECK_DIGIT}, on.checkDigit);
    EnableControls(dialog, {IDC_ANNOTATE}, on.annotate);
    EnableControls(dialog, {IDC_RATIO, IDC_EXTRA_GAP}, on.ratioAndExtraDots);
    EnableControls(dialog, {IDC_ROTATION}, on.rotation);
    EnableControls(dialog, {IDC_SECURITY_LEVEL, IDC_FORCED_ROWS, IDC_FORCED_COLUMNS}, on.pdf417);
    EnableControls(dialog, {IDC_DM_ENCODING, IDC_DM_FORMAT, IDC_DM_MARGIN, IDC_DM_CONTROL_CHAR},
                   on.dataMatrix);
    EnableControls(dialog, {IDC_FNC1}, on.fnc1);
    EnableControls(dialog, {IDC_X_VALUE, IDC_X_UNIT, IDC_X_ABSOLUTE}, on.xFields);
    EnableControls(dialog, {IDC_Y_VALUE, IDC_Y_UNIT, IDC_Y_ABSOLUTE}, on.yFields);
}

void CTestData::ApplyWidthLayout() {
    AbsoluteWidthLayout layout = ApplyAbsoluteWidthLayout(settings);
    ShowControls(Handle(), {IDC_WIDTH, IDC_WIDTH_LABEL, IDC_WIDTH_UNIT}, layout.showWidth);
    SetChangedWindowText(Item(IDC_LINEWIDTH_GROUP), layout.groupTitle);
}

// The main dialog stays open on Enter, whatever control has the focus.
void CTestData::OnOK() {
    OnDisplay();
}

void CTestData::OnDisplay() {
    ScopedFlag updating(updating_);
    // A refused value is not drawn: the user has been told which.
    if (UpdateData(true)) Refresh();
    UpdateData(false);
}

void CTestData::OnTypeChosen() {
    ControlEnabling before = EnablingFor(settings);
    TakeApplyAndShow([&] {
        ApplyTypeChange(settings, before);
        ApplyEnabling();
    });
}

void CTestData::OnCheckBoxChosen() {
    TakeApplyAndShow([&] { RememberCheckBoxChoices(settings); });
}

void CTestData::OnPositionToggled() {
    TakeApplyAndShow([&] { ApplyEnabling(); });
}

void CTestData::OnAbsoluteWidthToggled() {
    TakeApplyAndShow([&] { ApplyWidthLayout(); });
}

void CTestData::OnSettingChanged() {
    TakeApplyAndShow([] {});
}

// A change while a value may be half typed: the values are taken without a
// message, the rule of the control applies, and only when every value could
// be read is the preview refreshed and are the values put back. Otherwise
// the controls keep what the user typed, nothing is drawn from it, and
// Display names the field that is wrong.
void CTestData::TakeApplyAndShow(const std::function<void()>& rule) {
    if (updating_) return;
    ScopedFlag updating(updating_);
    bool taken = UpdateData(true, true);
    rule();
    if (!taken) return;
    Refresh();
    UpdateData(false);
}

void CTestData::OnEditChanged() {
    int id = static_cast<int>(CommandId());
    if (updating_ || Contains(kOutputEdits, id)) return;
    if (Contains(kWaitWhileEmpty, id) && GetWindowTextLengthA(CommandControl()) == 0) return;
    OnSettingChanged();
}

const MaxiCodeFields* CTestData::MaxiCodeFieldsInUse() const {
    return maxicode_ ? &maxicode_->fields : nullptr;
}

void CTestData::ShowMaxiCodeDialogForType() {
    if (FindTypeIdByName(settings.barcodeType.c_str()) != kMaxiCodeTypeId) {
        if (maxicode_ && maxicode_->Handle()) ShowWindow(maxicode_->Handle(), SW_HIDE);
        return;
    }
    if (!maxicode_) {
        maxicode_ = std::make_unique<CMaxicodeDlg>(*this, [this] {
            if (updating_) return;
            ScopedFlag updating(updating_);
            Refresh();
        });
        if (!maxicode_->Create(Handle())) return;
        PlaceBesideRightPart(maxicode_->Handle());
    }
    if (maxicode_->Handle()) ShowWindow(maxicode_->Handle(), SW_SHOWNOACTIVATE);
}

void CTestData::Refresh() {
    ShowMaxiCodeDialogForType();
    InvalidateRect(Handle(), nullptr, FALSE);
    DrawPreview();
    UpdatePclDialog();
    StoreCommandInShownNamedCode();
}

void CTestData::UpdatePclDialog() {
    if (pcl_ && pcl_->Handle()) pcl_->Update(PclInputsFromSettings(settings));
}

// The PCL dialog beside the main dialog's right part, made on first use and
// kept, with the settings of the moment.
void CTestData::OnPcl() {
    ScopedFlag updating(updating_);
    if (UpdateData(true)) Refresh();
    UpdateData(false);
    if (!pcl_) {
        pcl_ = std::make_unique<CPclDialog>(*this);
        if (!pcl_->Create(Handle())) {
            pcl_.reset();
            return;
        }
        PlaceBesideRightPart(pcl_->Handle());
    }
    UpdatePclDialog();
    ShowWindow(pcl_->Handle(), SW_SHOW);
}

void CTestData::PlaceBesideRightPart(HWND window) const {
    RECT main{}, own{};
    GetWindowRect(Handle(), &main);
    GetWindowRect(window, &own);
    int shift = (main.right - main.left) - (own.right - own.left) - 5;
    if (shift > 0)
        SetWindowPos(window, nullptr, own.left + shift, own.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CTestData::DrawPreview() {
    HWND preview = Item(IDC_PREVIEW);
    if (!preview) return;
    InvalidateRect(preview, nullptr, TRUE);
    UpdateWindow(preview);
    HDC hdc = GetDC(preview);
    RECT area{};
    GetClientRect(preview, &area);
    // Widened so that a symbol turned or moved past the left or lower edge
    // is drawn as far as the window shows it.
    HRGN clip = CreateRectRgn(area.left - 1000, area.top, area.right, area.bottom + 1000);
    SelectClipRgn(hdc, clip);
    RenderTest(hdc, false);
    SelectClipRgn(hdc, nullptr);
    DeleteObject(clip);
    ReleaseDC(preview, hdc);
}

void CTestData::RenderTest(HDC hdc, bool toPaper) {
    char command[kCommandBufferSize];
    std::string response;
    if (!BuildCommandString(settings, MaxiCodeFieldsInUse(), command, sizeof command)) {
        SetChangedWindowText(Item(IDC_PARAMETERS), "");
        SetChangedWindowText(Item(IDC_PARAMETERS_HEX), "");
        ShowResponse(GetText(210, 61, false));
        return;
    }
    std::string parameters = ParametersText(command);
    SetChangedWindowText(Item(IDC_PARAMETERS), parameters);
    SetChangedWindowText(Item(IDC_PARAMETERS_HEX), HexadecimalText(parameters));
    DrawTestBarcode(hdc, command + settings.testData, toPaper, response);
    ShowResponse(TrimResponse(response.c_str()));
}

void CTestData::ShowResponse(const std::string& response) {
    HWND field = Item(IDC_RESPONSE);
    SetChangedWindowText(field, response);
    EnableWindow(field, !response.empty());
    InvalidateRect(field, nullptr, TRUE);
}

void CTestData::OnPrint() {
    ScopedFlag updating(updating_);
    if (!UpdateData(true)) {
        UpdateData(false);
        return;
    }
    PRINTDLGA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = Handle();
    dialog.Flags = PD_RETURNDC;
    if (PrintDlgA(&dialog) && dialog.hDC) PrintTestPage(dialog.hDC);
    if (dialog.hDC) DeleteDC(dialog.hDC);
    if (dialog.hDevMode) GlobalFree(dialog.hDevMode);
    if (dialog.hDevNames) GlobalFree(dialog.hDevNames);
    UpdateData(false);
}

void CTestData::PrintTestPage(HDC printer) {
    DOCINFOA document{};
    document.cbSize = sizeof document;
    document.lpszDocName = GetText(210, 5, false);
    if (StartDocA(printer, &document) <= 0) return;
    if (StartPage(printer) > 0) {
        RenderTest(printer, true);
        EndPage(printer);
    }
    EndDoc(printer);
}

// The response field in its warning colours while it holds text.
bool CTestData::ColourResponseField(HDC hdc, HWND control, LRESULT& brush) {
    if (control != Item(IDC_RESPONSE) || GetWindowTextLengthA(control) == 0) return false;
    if (!responseBrush_) responseBrush_ = CreateHatchBrush(HS_DIAGCROSS, kResponseHatch);
    SetTextColor(hdc, kResponseText);
    SetBkColor(hdc, kResponseBackground);
    brush = reinterpret_cast<LRESULT>(responseBrush_);
    return true;
}

bool CTestData::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
        return ColourResponseField(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam),
                                   result);
    case WM_PAINT: {
        PAINTSTRUCT paint;
        BeginPaint(Handle(), &paint);
        EndPaint(Handle(), &paint);
        // The preview is drawn after the dialog and its own background.
        ScopedFlag updating(updating_);
        UpdateData(true, true);
        ApplyWidthLayout();
        UpdateData(false);
        DrawPreview();
        result = 0;
        return true;
    }
    default:
        return false;
    }
}
