// A node of the configuration tree: a configuration, a named code or a
// system barcode definition derive from it.
//
// Ownership: a node owns every node ever added to it, through its list of
// all children. The list of children is a view into it. A removed node stays
// in the list of all children, marked deleted, because the SAP export looks
// there for the print controls to delete; and a pointer to it that the dialog
// still holds (the named code it shows) stays valid until the tree goes. A
// node that moves to another configuration takes its ownership along and
// leaves a deletion record behind (ReleaseChild, KeepDeletionRecord), so
// each node is freed exactly once, by the one list that holds it.
#pragma once

#include "SapHooks.h"
#include "TreeHost.h"
#include "TreeView.h"

#include <memory>
#include <string>
#include <vector>

class CTreeList;

// The outcome of a rename: whether the name changed, and the message to show
// when the new name was refused with one (empty text: none).
struct RenameResult {
    bool renamed = false;
    TreeMessage message;
};

class CTreeElement {
  public:
    CTreeElement() = default;
    CTreeElement(const CTreeElement&) = delete;
    CTreeElement& operator=(const CTreeElement&) = delete;
    virtual ~CTreeElement() = default;

    // --- The operations the tree control, the main dialog and the SAP side
    // call, all virtual, in this order for every kind of node. ---
    virtual void OnSelect(TreeHost& host) {}
    virtual void OnDoubleClick(TreeHost& host) {}
    virtual void ShowContextMenu(TreeView& view, TreePoint point) {}
    virtual void ShowProperties(TreeHost& host) {}
    // A copy of this node added to target (null: this node's parent) and
    // shown below parentItem; the copy, or null when nothing was copied.
    virtual CTreeElement* CopyInto(TreeView& view, TreeItem parentItem, CTreeElement* target) {
        return nullptr;
    }
    virtual void Remove(TreeView& view, TreeItem item) {}
    virtual void NewChild(TreeView& view, TreeItem item) {}
    virtual bool ImportFromSap(TreeView& view, TreeItem item, SapConnection& connection,
                               CTreeList& tree) {
        return false;
    }
    // Takes the node over; appends it to both child lists. Returns it.
    virtual CTreeElement* AddChild(std::unique_ptr<CTreeElement> node);
    // Takes the node out of the children, keeps it in the list of all
    // children and marks it deleted.
    virtual void RemoveChild(CTreeElement* node);
    virtual bool HasChildNamed(const std::string& name) const;
    virtual bool CanRename() const { return false; }
    virtual RenameResult Rename(const std::string& text);
    // False for an invalid name, with the reason in reason (empty when the
    // name is empty); the text is trimmed first.
    virtual bool ValidateName(const std::string& text, std::string& reason) const;
    virtual bool CanDrag() const { return false; }
    virtual bool AcceptsDrop(const CTreeElement* node, bool copying) const { return false; }
    // Shows the node below parentItem (kNoItem: at the top level), then its
    // children below it. Returns the node's item.
    virtual TreeItem InsertIntoTree(TreeView& view, TreeItem parentItem);
    virtual void GetTextColour(TreeColour& colour) const {}
    virtual void GetBackColour(TreeColour& colour) const {}
    virtual bool IsModified() const { return newOrNameChanged_; }
    // Sets the images by the node's state and shows them; the base does so
    // for the children.
    virtual void UpdateImages(TreeView& view);
    // The export's count of changes (filled by the SAP side).
    virtual void CountChanges(SapChangeCounts& counts) const {}
    // After an export: a deleted node is marked exported, a node not yet
    // imported becomes imported; every node ever added below follows.
    virtual void MarkExported();
    virtual void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }
    virtual bool IsReadOnly() const { return readOnly_; }
    virtual const std::string& GetName() const { return name_; }
    // Marks the node new-or-name-changed when an old, non-empty name changes.
    virtual void SetName(const std::string& name);
    // A name for a node joining parent that none of parent's children has:
    // "Copy of " once, then " (2)", " (3)", ...; empty when none is free.
    virtual std::string MakeUniqueName(const std::string& name, const CTreeElement& parent) const;
    virtual CTreeElement* GetParent() const { return parent_; }
    virtual void SetParent(CTreeElement* parent) { parent_ = parent; }
    // The export lines of this node (filled by the SAP side).
    virtual void AppendSapLines(SapExportLines& lines, int& index) const {}
    virtual void SetImported(bool imported) { imported_ = imported; }
    virtual bool IsImported() const { return imported_; }

    // --- Bookkeeping the operations above share. ---
    // Takes the node out of both child lists and hands over its ownership;
    // null when it is not a child of this node.
    virtual std::unique_ptr<CTreeElement> ReleaseChild(CTreeElement* node);
    // Keeps a record of a node that left (deleted, shown nowhere).
    void KeepDeletionRecord(std::unique_ptr<CTreeElement> record);
    const std::vector<CTreeElement*>& Children() const { return children_; }
    // Every node ever added, removed ones too, in the order they came.
    std::vector<CTreeElement*> AllChildren() const;
    bool IsAncestorOf(const CTreeElement* node) const;

    TreeItem GetTreeItem() const { return treeItem_; }
    void SetTreeItem(TreeItem item) { treeItem_ = item; }
    // The control deleted the node's item and those below it: none of them
    // is shown any longer.
    void ForgetTreeItems();
    int GetImage() const { return image_; }
    int GetSelectedImage() const { return selectedImage_; }
    void SetImages(int image, int selectedImage);
    bool IsNewOrNameChanged() const { return newOrNameChanged_; }
    void SetNewOrNameChanged(bool value) { newOrNameChanged_ = value; }
    bool IsDeleted() const { return deleted_; }
    void SetDeleted(bool deleted) { deleted_ = deleted; }
    bool IsExported() const { return exported_; }

  protected:
    // Shows the node's item alone (text, images, the node as item data).
    TreeItem InsertOwnItem(TreeView& view, TreeItem parentItem);
    // Sets both images and shows them when the node is shown.
    void ShowImages(TreeView& view, int image);
    // The name check of ValidateName with this kind's length limit.
    bool ValidateNameWithLimit(const std::string& text, const char* tooLongReason,
                               std::string& reason) const;

  private:
    std::string name_ = "<Generic>";
    int image_ = -1, selectedImage_ = -1;
    TreeItem treeItem_ = kNoItem;
    CTreeElement* parent_ = nullptr;
    std::vector<CTreeElement*> children_;
    std::vector<std::unique_ptr<CTreeElement>> allChildren_;
    bool newOrNameChanged_ = false;
    bool readOnly_ = false;
    bool imported_ = false;
    bool deleted_ = false, exported_ = false;
};
