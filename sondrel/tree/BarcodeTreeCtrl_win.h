// The configuration tree's control in the main dialog (tree control 169):
// it shows the nodes of the tree list with their images, opens their
// context menus and runs the menu's commands, edits labels in place and
// moves or copies named codes by drag and drop. Every rule it applies is the
// model's (TreeCommands, TreeDragDrop, the nodes); the control only turns
// the control's notifications and the mouse into calls of those rules and
// implements TreeView over its HTREEITEMs.
#pragma once

#include "TreeCommands.h"
#include "TreeView.h"

#include <windows.h>
#include <commctrl.h>

class CBarcodeTreeCtrl : public TreeView {
  public:
    CBarcodeTreeCtrl() = default;
    CBarcodeTreeCtrl(const CBarcodeTreeCtrl&) = delete;
    CBarcodeTreeCtrl& operator=(const CBarcodeTreeCtrl&) = delete;
    ~CBarcodeTreeCtrl() override;

    // Takes over the dialog's tree control: its image list (one image per
    // bitmap 109 to 118) and the mouse and keys it needs for menus and drags.
    void Attach(HWND tree);
    // What the menu commands and label edits work with; set before the
    // first notification and kept for the control's life.
    void SetContext(TreeCommandContext* context) { context_ = context; }
    HWND Handle() const { return tree_; }
    HIMAGELIST Images() const { return images_; }

    // The node an item stands for (null for the definitions root or none).
    CTreeElement* NodeOf(TreeItem item) const;
    CTreeElement* SelectedNode() const;

    // The dialog's notifications of the control (WM_NOTIFY from 169).
    // TRUE cancels the edit: only nodes that may be renamed are edited.
    BOOL OnBeginLabelEdit(const NMTVDISPINFOA& info);
    void OnEndLabelEdit(const NMTVDISPINFOA& info);
    void OnBeginDrag(const NMTREEVIEWA& info);
    LRESULT OnCustomDraw(NMTVCUSTOMDRAW& draw) const;
    // A right click (NM_RCLICK): the menu at the cursor.
    void OnRightClick();

    // TreeView.
    TreeItem InsertItem(TreeItem parent, const std::string& text, int image, int selectedImage,
                        CTreeElement* node) override;
    void DeleteItem(TreeItem item) override;
    void DeleteAllItems() override;
    void SetItemText(TreeItem item, const std::string& text) override;
    void SetItemImages(TreeItem item, int image, int selectedImage) override;
    void EditLabel(TreeItem item) override;
    void SelectItem(TreeItem item) override;
    void Expand(TreeItem item) override;
    void SortChildren(TreeItem item) override;
    void ShowMenu(int menuId, TreePoint point) override;

  private:
    static LRESULT CALLBACK TreeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR id, DWORD_PTR self);
    static LRESULT CALLBACK LabelEditProc(HWND window, UINT message, WPARAM wParam,
                                          LPARAM lParam, UINT_PTR id, DWORD_PTR self);

    // A right click or the menu key: the menu of the node under the cursor
    // (of the selected node for the key), or of empty space.
    void OnContextMenu(LPARAM screenPoint);
    // The item at a point of the client area, or null.
    HTREEITEM ItemAt(POINT client) const;

    void DragTo(POINT client);
    void Drop(POINT client, bool ctrlHeld);
    void EndDrag();
    void ScrollWhileDragging();

    HWND tree_ = nullptr;
    HIMAGELIST images_ = nullptr;
    TreeCommandContext* context_ = nullptr;
    // The node and item under the open context menu.
    CTreeElement* menuNode_ = nullptr;
    TreeItem menuItem_ = kNoItem;
    // Set while a label edit's end is handled: a message box of the refusal
    // takes the focus from the edit, which would end the edit a second time.
    bool endingLabelEdit_ = false;
    // The drag in progress.
    bool dragging_ = false;
    CTreeElement* dragNode_ = nullptr;
    POINT lastDragPoint_{};
    HIMAGELIST dragImage_ = nullptr;
};
