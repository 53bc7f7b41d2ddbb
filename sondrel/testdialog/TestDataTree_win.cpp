// The main dialog's configuration tree: its start by the start mode, the
// two tabs, the control's notifications, and what the nodes ask of the
// dialog (showing a named code, editing a definition, messages).
#include "TestData_win.h"

#include "NamedCodeTreeElement.h"
#include "PredefinedTree.h"
#include "DllBinding.h"
#include "ScopedFlag.h"
#include "SystemBarcodeDialog_win.h"
#include "SapConnection.h"
#include "TreeImages.h"
#include "catalog/Translate.h"
#include "ui/DataExchange.h"
#include "resource.h"

#include <string>

namespace {

// The tabs in the order they are added: the definitions view first.
enum TreeTab : int { kDefinitionsTab = 0, kConfigurationsTab = 1 };
// Without the tree the window loses this many pixels at its right edge.
constexpr int kCompatibilityNarrowing = 180;
// The command a shown named code stores fits this buffer.
constexpr size_t kStoredCommandBufferSize = 5000;

void AddTab(HWND tabs, int index, const char* text, int image) {
    TCITEMA item{};
    item.mask = TCIF_TEXT | TCIF_IMAGE;
    item.pszText = const_cast<char*>(text);
    item.iImage = image;
    SendMessageA(tabs, TCM_INSERTITEMA, index, reinterpret_cast<LPARAM>(&item));
}

void HideAndDisable(HWND dialog, std::initializer_list<int> ids) {
    for (int id : ids)
        if (HWND control = GetDlgItem(dialog, id)) {
            EnableWindow(control, FALSE);
            ShowWindow(control, SW_HIDE);
        }
}

// The RFC layer's word on why no import can run.
std::string RfcLayerError() {
    if (!Libraries().rfcReady)
        return FormatWithText(GetText(203, 2, false), GetText(203, 1, true));
    return GetText(200, 6, false);
}

// Why an import failed: the error the SAP side left in the connection
// record, else (no device type taken) the RFC layer's general word.
std::string ImportFailureText(const SapConnection& connection) {
    if (Libraries().rfcReady && !connection.lastError.empty()) return connection.lastError;
    return RfcLayerError();
}

} // namespace

void CTestData::StartTree() {
    treeControl_.Attach(Item(IDC_TREE));
    treeContext_.reset(new TreeCommandContext{treeControl_, *this, tree_, &treeConnection_});
    treeControl_.SetContext(treeContext_.get());
    const bool fileOpened = configurationFile_.Open();
    tree_.fileOpened = fileOpened;
    if (startMode == kCompatibilityMode) {
        HideTreeForCompatibilityMode();
        return;
    }
    // A configuration file in use holds the configuration: the tree starts
    // empty rather than from the predefined values.
    if (!fileOpened) BuildStartTree();
    SetUpTabs();
}

void CTestData::BuildStartTree() {
    const std::string command = BuildCommandString(settings, MaxiCodeFieldsInUse());
    if (startMode == kImportFromSap && ImportAtStart(command)) return;
    tree_ = BuildPredefinedTree(command);
}

// The connection dialog, then the import; Retry asks again. False when the
// user gives up (Cancel in either), and the predefined tree is built then.
// Only settings that brought an import are stored.
bool CTestData::ImportAtStart(const std::string& command) {
    for (;;) {
        if (!EditSapSettings()) return false;
        SapConnection connection = MakeSapConnection(sapSettings_);
        if (BuildImportedTree(tree_, treeControl_, connection, command)) {
            StoreSapSettings(sapSettings_);
            return true;
        }
        TreeMessage failure = StartImportFailureMessage(ImportFailureText(connection));
        if (MessageBoxA(Handle(), failure.text.c_str(), failure.caption.c_str(),
                        MB_RETRYCANCEL | MB_ICONSTOP) != IDRETRY)
            return false;
    }
}

void CTestData::HideTreeForCompatibilityMode() {
    HideAndDisable(Handle(), {IDC_TREE, IDC_TABS, IDC_EXPORT_SAP, IDC_SAVE_TO_FILE,
                              IDC_EXPORT_WARNING});
    RECT window{};
    GetWindowRect(Handle(), &window);
    SetWindowPos(Handle(), nullptr, 0, 0, window.right - window.left - kCompatibilityNarrowing,
                 window.bottom - window.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    settings.title.clear();
    SetChangedWindowText(Item(IDC_TITLE), "");
    if (HMENU menu = GetMenu(Handle())) {
        SetMenu(Handle(), nullptr);
        DestroyMenu(menu);
    }
}

void CTestData::SetUpTabs() {
    HWND tabs = Item(IDC_TABS);
    if (!tabs) return;
    SendMessageA(tabs, TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(treeControl_.Images()));
    AddTab(tabs, kDefinitionsTab, GetText(210, 11, false), kDefinitionsRootImage);
    AddTab(tabs, kConfigurationsTab, GetText(210, 12, false), kConfigImage);
    SendMessageA(tabs, TCM_SETCURSEL, kConfigurationsTab, 0);
    ShowSelectedTab();
}

void CTestData::ShowSelectedTab() {
    const bool configurations =
        SendMessageA(Item(IDC_TABS), TCM_GETCURSEL, 0, 0) == kConfigurationsTab;
    treeContext_->showsConfigurations = configurations;
    if (configurations)
        tree_.InsertAllConfigurations(treeControl_);
    else
        treeControl_.Expand(tree_.InsertAllDefinitions(treeControl_));
    tree_.UpdateAllImages(treeControl_);
}

void CTestData::OnTabChanged(NMHDR*, LRESULT* result) {
    ShowSelectedTab();
    *result = 0;
}

void CTestData::OnTreeSelectionChanged(NMHDR* header, LRESULT*) {
    const auto* change = reinterpret_cast<const NMTREEVIEWA*>(header);
    if (auto* node = reinterpret_cast<CTreeElement*>(change->itemNew.lParam)) node->OnSelect(*this);
}

void CTestData::OnTreeDoubleClick(NMHDR*, LRESULT* result) {
    if (CTreeElement* node = treeControl_.SelectedNode()) node->OnDoubleClick(*this);
    *result = 0;
}

void CTestData::OnTreeBeginLabelEdit(NMHDR* header, LRESULT* result) {
    *result = treeControl_.OnBeginLabelEdit(*reinterpret_cast<const NMTVDISPINFOA*>(header));
}

// The model sets the item's text itself (the name may be trimmed or refused).
void CTestData::OnTreeEndLabelEdit(NMHDR* header, LRESULT* result) {
    treeControl_.OnEndLabelEdit(*reinterpret_cast<const NMTVDISPINFOA*>(header));
    *result = FALSE;
}

void CTestData::OnTreeBeginDrag(NMHDR* header, LRESULT*) {
    treeControl_.OnBeginDrag(*reinterpret_cast<const NMTREEVIEWA*>(header));
}

// Handled here, so that the control does not ask for its menu a second time.
void CTestData::OnTreeRightClick(NMHDR*, LRESULT* result) {
    treeControl_.OnRightClick();
    *result = TRUE;
}

void CTestData::OnTreeCustomDraw(NMHDR* header, LRESULT* result) {
    *result = treeControl_.OnCustomDraw(*reinterpret_cast<NMTVCUSTOMDRAW*>(header));
}

void CTestData::StoreCommandInShownNamedCode() {
    if (!shown_.Node()) return;
    char command[kStoredCommandBufferSize];
    if (!BuildCommandString(settings, MaxiCodeFieldsInUse(), command, sizeof command)) return;
    shown_.StoreCommand(command);
    tree_.UpdateAllImages(treeControl_);
}

// --- TreeHost ---

void CTestData::ShowNamedCode(CNamedCodeTreeElement& node) {
    if (!shown_.Show(node)) return;
    ScopedFlag updating(updating_);
    LoadFromCommandString(settings, shown_.Command().c_str());
    settings.title = shown_.Title();
    UpdateData(false);
    ApplyEnabling();
    ApplyWidthLayout();
    Refresh();
    UpdateData(false);
}

void CTestData::EditDefinition(CNamedCodeDefinitionTreeElement& definition) {
    CSystemBarcodeDialog properties(this, definition);
    properties.DoModal();
}

void CTestData::ShowMessage(const TreeMessage& message) {
    MessageBoxA(Handle(), message.text.c_str(), message.caption.c_str(), MB_OK | MB_ICONSTOP);
}
