// The main dialog "Configure Barcodes": the program's main window with its
// menu. It holds the test settings, builds the command from them, draws the
// symbol into the preview or prints it, and shows the command and the DLL's
// answer. It ends only with IDCANCEL (Exit, Escape, the close box,
// File/Exit); Enter presses the default button "Display" and leaves it open.
// Beside the settings it shows the configuration tree: selecting a named
// code loads its command, and every later change is written back into it.
// Its SAP side imports device types into the tree and exports the changed
// print controls, with the connection settings it holds for the run.
#pragma once

#include "BarcodeTreeCtrl_win.h"
#include "ConfigurationFile_win.h"
#include "SapConnection.h"
#include "SapSettings.h"
#include "ShownNamedCode.h"
#include "StartMode.h"
#include "TestSettings.h"
#include "TreeHost.h"
#include "TreeList.h"
#include "ui/Dialog.h"

#include <functional>
#include <memory>
#include <string>

class CMaxicodeDlg;
class CPclDialog;
class CSapDialogs;
class CSapSide;

class CTestData : public CDialog, private TreeHost {
  public:
    CTestData();
    ~CTestData() override;

    // Where the barcode DLL was loaded from ("Storage location").
    std::string storageLocation;
    // How the tree starts, as the user chose in the start dialog.
    StartMode startMode = kPredefinedValues;
    TestSettings settings;

  protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(CDataExchange& dx) override;
    const CommandRoutes& Commands() const override;
    const NotifyRoutes& Notifications() const override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

    // Re-runs the whole preview with the current settings.
    virtual void Refresh();
    // The DLL's defaults in the profile over the settings; whether kill
    // blanks is on.
    virtual bool LoadProfileDefaults();
    // The settings as the DLL's new defaults.
    virtual void SaveProfileDefaults();
    virtual void ApplyFactoryValues();
    // Draws the symbol into the preview area.
    virtual void DrawPreview();

  private:
    // Handlers: each takes the values from the controls, applies its rule,
    // refreshes and puts the values back.
    void OnDisplay();
    void OnPrint();
    void OnTypeChosen();
    void OnCheckBoxChosen();
    void OnPositionToggled();
    void OnAbsoluteWidthToggled();
    void OnSettingChanged();
    void OnEditChanged();
    void TakeApplyAndShow(const std::function<void()>& rule);

    void FillComboLists();
    void SetTitleFont();
    void ApplyEnabling();
    void ApplyWidthLayout();
    void ShowMaxiCodeDialogForType();
    void OnPcl();
    void UpdatePclDialog();
    // Moves a dialog right by the main dialog's width less its own and 5.
    void PlaceBesideRightPart(HWND window) const;
    const MaxiCodeFields* MaxiCodeFieldsInUse() const;
    void ShowResponse(const std::string& response);
    bool ColourResponseField(HDC hdc, HWND control, LRESULT& brush);
    // Builds the command, shows it and draws or prints it.
    void RenderTest(HDC hdc, bool toPaper);
    void PrintTestPage(HDC printer);

    // The group "Defaults" (TestDataDefaults_win.cpp).
    void OnLoadDefaults();
    void OnSaveDefaults();
    void OnFactoryDefaults();
    void ShowSettings();

    // The configuration tree (TestDataTree_win.cpp).
    void StartTree();
    void BuildStartTree();
    bool ImportAtStart(const std::string& command);
    void HideTreeForCompatibilityMode();
    void SetUpTabs();
    void ShowSelectedTab();
    void OnTabChanged(NMHDR* header, LRESULT* result);
    void OnTreeSelectionChanged(NMHDR* header, LRESULT* result);
    void OnTreeDoubleClick(NMHDR* header, LRESULT* result);
    void OnTreeBeginLabelEdit(NMHDR* header, LRESULT* result);
    void OnTreeEndLabelEdit(NMHDR* header, LRESULT* result);
    void OnTreeBeginDrag(NMHDR* header, LRESULT* result);
    void OnTreeCustomDraw(NMHDR* header, LRESULT* result);
    void OnTreeRightClick(NMHDR* header, LRESULT* result);
    void StoreCommandInShownNamedCode();
    // TreeHost: what the tree's nodes ask of the dialog.
    void ShowNamedCode(CNamedCodeTreeElement& node) override;
    void EditDefinition(CNamedCodeDefinitionTreeElement& definition) override;
    void ShowMessage(const TreeMessage& message) override;

    // The SAP side (TestDataSap_win.cpp).
    void StartSapSide();
    void OnSapConnection();
    void OnExportToSap();
    // Shows the connection dialog with the settings; true, with the
    // settings taken, after OK.
    bool EditSapSettings();

    CConfigurationFile configurationFile_;
    CTreeList tree_;
    CBarcodeTreeCtrl treeControl_;
    std::unique_ptr<TreeCommandContext> treeContext_;
    CShownNamedCode shown_;

    SapSettings sapSettings_;
    // The connection the tree's "Import from SAP..." uses, rebuilt from the
    // settings whenever they change.
    SapConnection treeConnection_;
    std::unique_ptr<CSapDialogs> sapDialogs_;
    std::unique_ptr<CSapSide> sapSide_;

    std::unique_ptr<CMaxicodeDlg> maxicode_;
    std::unique_ptr<CPclDialog> pcl_;
    HFONT titleFont_ = nullptr;
    HBRUSH responseBrush_ = nullptr;
    // Set while the dialog writes its own controls, whose change
    // notifications are then not the user's.
    bool updating_ = false;
};
