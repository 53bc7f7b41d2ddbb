// A configuration: a group of named codes; in SAP a device type.
#pragma once

#include "TreeElement.h"

#include <string>
#include <vector>

class CNamedCodeTreeElement;

class CConfigTreeElement : public CTreeElement {
  public:
    void ShowContextMenu(TreeView& view, TreePoint point) override;
    bool ImportFromSap(TreeView& view, TreeItem item, SapConnection& connection,
                       CTreeList& tree) override;
    // Also into the named codes when the node is one.
    CTreeElement* AddChild(std::unique_ptr<CTreeElement> node) override;
    void RemoveChild(CTreeElement* node) override;
    bool CanRename() const override { return true; }
    // Invalid: (202, 3); at the top level the untrimmed text is taken only
    // when no configuration of the tree list has it (refused without a
    // message otherwise); below a parent a duplicate gives (202, 1).
    RenameResult Rename(const std::string& text) override;
    bool ValidateName(const std::string& text, std::string& reason) const override;
    // Named codes, unless this configuration is read-only.
    bool AcceptsDrop(const CTreeElement* node, bool copying) const override;
    TreeItem InsertIntoTree(TreeView& view, TreeItem parentItem) override;
    void GetTextColour(TreeColour& colour) const override { colour = TreeRgb(0, 0, 255); }
    // When any of its named codes is.
    bool IsModified() const override;
    void UpdateImages(TreeView& view) override;
    // Imported configurations also carry the two export flags.
    void SetImported(bool imported) override;
    std::unique_ptr<CTreeElement> ReleaseChild(CTreeElement* node) override;
    // An imported configuration counts itself; when it has changes, its
    // named codes: inserted (not from SAP, new, renamed or moved here),
    // modified (from SAP, command changed) and deleted (from SAP, removed
    // and not yet exported). A changed configuration not from SAP that
    // the export sends sets changedNotImported. The named codes of a configuration that takes part
    // in an export are checked by the name rules.
    void CountChanges(SapChangeCounts& counts) const override;
    // Modified, or a named code that came from SAP was removed since the
    // last export: the device type in SAP must change.
    bool HasSapChanges() const;

    const std::vector<CNamedCodeTreeElement*>& NamedCodes() const { return namedCodes_; }
    CNamedCodeTreeElement* FindNamedCode(const std::string& name) const;

    // The list that holds this configuration, for the top-level rename.
    void SetTreeList(const CTreeList* list) { treeList_ = list; }

    // The device type's text in SAP (the export gives an empty one a
    // default).
    const std::string& GetDeviceTypeText() const { return deviceTypeText_; }
    void SetDeviceTypeText(const std::string& text) { deviceTypeText_ = text; }
    // The configuration takes part in the export.
    bool IsMarkedForExport() const { return markedForExport_; }
    void SetMarkedForExport(bool marked) { markedForExport_ = marked; }
    // The device type exists in SAP (else the export creates it).
    bool HasDeviceTypeInSap() const { return deviceTypeInSap_; }
    void SetDeviceTypeInSap(bool inSap) { deviceTypeInSap_ = inSap; }
    const std::string& GetExtraText() const { return extraText_; }
    void SetExtraText(const std::string& text) { extraText_ = text; }

  private:
    std::string deviceTypeText_;
    bool markedForExport_ = false, deviceTypeInSap_ = false;
    std::string extraText_;
    std::vector<CNamedCodeTreeElement*> namedCodes_;
    const CTreeList* treeList_ = nullptr;
};
