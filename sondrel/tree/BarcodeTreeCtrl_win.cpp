#include "BarcodeTreeCtrl_win.h"

#include "TreeDragDrop.h"
#include "TreeElement.h"
#include "TreeList.h"
#include "TreeImages.h"
#include "resource.h"

#include <windowsx.h>

namespace {

constexpr UINT_PTR kTreeSubclass = 1;
constexpr UINT_PTR kLabelEditSubclass = 2;
constexpr UINT_PTR kScrollTimer = 1;
constexpr UINT kScrollTimerMs = 75;
// Within this many pixels of the top or bottom edge a drag scrolls.
constexpr int kScrollZone = 10;
constexpr int kLabelLimit = 30;
// The images' background, which the image list leaves transparent.
constexpr COLORREF kImageMask = RGB(255, 0, 255);

HTREEITEM AsItem(TreeItem item) {
    return reinterpret_cast<HTREEITEM>(item);
}

TreeItem AsTreeItem(HTREEITEM item) {
    return reinterpret_cast<TreeItem>(item);
}

HIMAGELIST LoadTreeImages() {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, kTreeImageCount, 0);
    for (int bitmap = IDB_FIRST_TREE_IMAGE; images && bitmap <= IDB_LAST_TREE_IMAGE; ++bitmap) {
        HBITMAP image = LoadBitmapA(instance, MAKEINTRESOURCEA(bitmap));
        ImageList_AddMasked(images, image, kImageMask);
        if (image) DeleteObject(image);
    }
    return images;
}

bool CtrlHeld() {
    return GetKeyState(VK_CONTROL) < 0;
}

} // namespace

CBarcodeTreeCtrl::~CBarcodeTreeCtrl() {
    if (tree_) RemoveWindowSubclass(tree_, TreeProc, kTreeSubclass);
    if (dragImage_) ImageList_Destroy(dragImage_);
    if (images_) ImageList_Destroy(images_);
}

void CBarcodeTreeCtrl::Attach(HWND tree) {
    tree_ = tree;
    if (!tree_) return;
    images_ = LoadTreeImages();
    TreeView_SetImageList(tree_, images_, TVSIL_NORMAL);
    SetWindowSubclass(tree_, TreeProc, kTreeSubclass, reinterpret_cast<DWORD_PTR>(this));
}

CTreeElement* CBarcodeTreeCtrl::NodeOf(TreeItem item) const {
    if (!tree_ || item == kNoItem) return nullptr;
    TVITEMA data{};
    data.mask = TVIF_PARAM | TVIF_HANDLE;
    data.hItem = AsItem(item);
    if (!TreeView_GetItem(tree_, &data)) return nullptr;
    return reinterpret_cast<CTreeElement*>(data.lParam);
}

CTreeElement* CBarcodeTreeCtrl::SelectedNode() const {
    return tree_ ? NodeOf(AsTreeItem(TreeView_GetSelection(tree_))) : nullptr;
}

// --- TreeView ---

TreeItem CBarcodeTreeCtrl::InsertItem(TreeItem parent, const std::string& text, int image,
                                      int selectedImage, CTreeElement* node) {
    TVINSERTSTRUCTA insert{};
    insert.hParent = parent == kNoItem ? TVI_ROOT : AsItem(parent);
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
    insert.item.pszText = const_cast<char*>(text.c_str());
    insert.item.iImage = image;
    insert.item.iSelectedImage = selectedImage;
    insert.item.lParam = reinterpret_cast<LPARAM>(node);
    return AsTreeItem(reinterpret_cast<HTREEITEM>(
        SendMessageA(tree_, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert))));
}

void CBarcodeTreeCtrl::DeleteItem(TreeItem item) {
    if (item != kNoItem) TreeView_DeleteItem(tree_, AsItem(item));
}

void CBarcodeTreeCtrl::DeleteAllItems() {
    TreeView_DeleteAllItems(tree_);
}

void CBarcodeTreeCtrl::SetItemText(TreeItem item, const std::string& text) {
    TVITEMA data{};
    data.mask = TVIF_TEXT | TVIF_HANDLE;
    data.hItem = AsItem(item);
    data.pszText = const_cast<char*>(text.c_str());
    SendMessageA(tree_, TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&data));
}

void CBarcodeTreeCtrl::SetItemImages(TreeItem item, int image, int selectedImage) {
    TVITEMA data{};
    data.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_HANDLE;
    data.hItem = AsItem(item);
    data.iImage = image;
    data.iSelectedImage = selectedImage;
    SendMessageA(tree_, TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&data));
}

void CBarcodeTreeCtrl::EditLabel(TreeItem item) {
    SetFocus(tree_);
    SendMessageA(tree_, TVM_EDITLABELA, 0, reinterpret_cast<LPARAM>(AsItem(item)));
}

void CBarcodeTreeCtrl::SelectItem(TreeItem item) {
    TreeView_SelectItem(tree_, AsItem(item));
}

void CBarcodeTreeCtrl::Expand(TreeItem item) {
    TreeView_Expand(tree_, AsItem(item), TVE_EXPAND);
}

void CBarcodeTreeCtrl::SortChildren(TreeItem item) {
    TreeView_SortChildren(tree_, AsItem(item), FALSE);
}

// The command is run here, on the node under the menu, rather than routed
// through the dialog: the menu belongs to the control.
void CBarcodeTreeCtrl::ShowMenu(int menuId, TreePoint point) {
    HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(menuId));
    if (!menu) return;
    POINT screen{point.x, point.y};
    ClientToScreen(tree_, &screen);
    int command = TrackPopupMenu(GetSubMenu(menu, 0),
                                 TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, screen.x,
                                 screen.y, 0, GetParent(tree_), nullptr);
    DestroyMenu(menu);
    if (command != 0 && context_) RunTreeCommand(command, menuNode_, menuItem_, *context_);
}

// --- Notifications ---

BOOL CBarcodeTreeCtrl::OnBeginLabelEdit(const NMTVDISPINFOA& info) {
    CTreeElement* node = reinterpret_cast<CTreeElement*>(info.item.lParam);
    if (!node || !node->CanRename() || node->IsReadOnly()) return TRUE;
    if (HWND edit = TreeView_GetEditControl(tree_)) {
        SendMessageA(edit, EM_LIMITTEXT, kLabelLimit, 0);
        SetWindowSubclass(edit, LabelEditProc, kLabelEditSubclass, 0);
    }
    return FALSE;
}

void CBarcodeTreeCtrl::OnEndLabelEdit(const NMTVDISPINFOA& info) {
    CTreeElement* node = reinterpret_cast<CTreeElement*>(info.item.lParam);
    if (!node || !info.item.pszText || !context_ || endingLabelEdit_) return;
    endingLabelEdit_ = true;
    EndLabelEdit(*node, AsTreeItem(info.item.hItem), info.item.pszText, *context_);
    endingLabelEdit_ = false;
}

LRESULT CBarcodeTreeCtrl::OnCustomDraw(NMTVCUSTOMDRAW& draw) const {
    if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
    if (draw.nmcd.dwDrawStage != CDDS_ITEMPREPAINT) return CDRF_DODEFAULT;
    // The selected item keeps the standard highlight while the control has
    // the focus; otherwise the node decides its colours (configurations blue).
    const bool highlighted = (draw.nmcd.uItemState & CDIS_SELECTED) && GetFocus() == tree_;
    const auto* node = reinterpret_cast<const CTreeElement*>(draw.nmcd.lItemlParam);
    if (node && !highlighted) {
        TreeColour text = draw.clrText, back = draw.clrTextBk;
        node->GetTextColour(text);
        node->GetBackColour(back);
        draw.clrText = text;
        draw.clrTextBk = back;
    }
    return CDRF_DODEFAULT;
}

// Out of a read-only configuration a node may only be copied. Whether Ctrl
// is held is asked at the drop, where the mouse message says so, not at
// the start: the user may press Ctrl while dragging, and Wine keeps the key
// state of an input it did not see from the X server only in the messages.
void CBarcodeTreeCtrl::OnBeginDrag(const NMTREEVIEWA& info) {
    CTreeElement* node = reinterpret_cast<CTreeElement*>(info.itemNew.lParam);
    if (!node || !CanStartDrag(*node, /*ctrlHeld=*/true)) return;
    dragging_ = true;
    dragNode_ = node;
    lastDragPoint_ = info.ptDrag;
    dragImage_ = TreeView_CreateDragImage(tree_, info.itemNew.hItem);
    if (dragImage_) {
        ImageList_BeginDrag(dragImage_, 0, 0, 0);
        ImageList_DragEnter(tree_, info.ptDrag.x, info.ptDrag.y);
    }
    SetCapture(tree_);
    SetTimer(tree_, kScrollTimer, kScrollTimerMs, nullptr);
}

// --- The context menu ---

HTREEITEM CBarcodeTreeCtrl::ItemAt(POINT client) const {
    TVHITTESTINFO hit{};
    hit.pt = client;
    HTREEITEM item = TreeView_HitTest(tree_, &hit);
    return (hit.flags & TVHT_ONITEM) ? item : nullptr;
}

void CBarcodeTreeCtrl::OnContextMenu(LPARAM screenPoint) {
    POINT point{GET_X_LPARAM(screenPoint), GET_Y_LPARAM(screenPoint)};
    HTREEITEM item = nullptr;
    if (screenPoint == -1) {
        // The menu key: the selected item's menu, at the item.
        item = TreeView_GetSelection(tree_);
        RECT area{};
        if (item && TreeView_GetItemRect(tree_, item, &area, TRUE))
            point = {area.left, area.bottom};
        else
            point = {0, 0};
    } else {
        ScreenToClient(tree_, &point);
        item = ItemAt(point);
    }
    menuItem_ = AsTreeItem(item);
    menuNode_ = NodeOf(menuItem_);
    // The definitions root stands for no node: it has no menu.
    if (item && !menuNode_) return;
    ShowContextMenuFor(menuNode_, *this, TreePoint{point.x, point.y});
}

void CBarcodeTreeCtrl::OnRightClick() {
    OnContextMenu(static_cast<LPARAM>(GetMessagePos()));
}

// --- Drag and drop ---

void CBarcodeTreeCtrl::DragTo(POINT client) {
    lastDragPoint_ = client;
    if (dragImage_) ImageList_DragMove(client.x, client.y);
    HTREEITEM target = ItemAt(client);
    if (dragImage_) ImageList_DragShowNolock(FALSE);
    TreeView_SelectDropTarget(tree_, target);
    if (dragImage_) ImageList_DragShowNolock(TRUE);
}

// The cursor is where the last mouse move of the drag put it.
void CBarcodeTreeCtrl::ScrollWhileDragging() {
    const POINT cursor = lastDragPoint_;
    RECT area{};
    GetClientRect(tree_, &area);
    HTREEITEM highlight = nullptr;
    if (cursor.y < area.top + kScrollZone) {
        SendMessageA(tree_, WM_VSCROLL, SB_LINEUP, 0);
        highlight = TreeView_GetFirstVisible(tree_);
    } else if (cursor.y > area.bottom - kScrollZone) {
        SendMessageA(tree_, WM_VSCROLL, SB_LINEDOWN, 0);
        highlight = TreeView_GetLastVisible(tree_);
    }
    if (!highlight) return;
    if (dragImage_) ImageList_DragShowNolock(FALSE);
    TreeView_SelectDropTarget(tree_, highlight);
    if (dragImage_) ImageList_DragShowNolock(TRUE);
}

void CBarcodeTreeCtrl::EndDrag() {
    if (!dragging_) return;
    dragging_ = false;
    KillTimer(tree_, kScrollTimer);
    if (dragImage_) {
        ImageList_DragLeave(tree_);
        ImageList_EndDrag();
        ImageList_Destroy(dragImage_);
        dragImage_ = nullptr;
    }
    TreeView_SelectDropTarget(tree_, nullptr);
    if (GetCapture() == tree_) ReleaseCapture();
}

// The target is the item under the release point, not the drop highlight:
// the highlight may lag behind the last mouse move.
void CBarcodeTreeCtrl::Drop(POINT client, bool ctrlHeld) {
    CTreeElement* node = dragNode_;
    EndDrag();
    HTREEITEM targetItem = ItemAt(client);
    CTreeElement* target = NodeOf(AsTreeItem(targetItem));
    if (!node || !target || !CanDrop(*node, target, ctrlHeld)) return;
    DropNode(*this, *node, *target, AsTreeItem(targetItem), ctrlHeld);
    if (context_) context_->list.UpdateAllImages(*this);
}

// --- Window procedures ---

LRESULT CALLBACK CBarcodeTreeCtrl::TreeProc(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam, UINT_PTR, DWORD_PTR self) {
    auto* control = reinterpret_cast<CBarcodeTreeCtrl*>(self);
    switch (message) {
    case WM_CONTEXTMENU:
        control->OnContextMenu(lParam);
        return 0;
    case WM_MOUSEMOVE:
        if (control->dragging_) {
            control->DragTo({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            return 0;
        }
        break;
    case WM_LBUTTONUP:
        if (control->dragging_) {
            control->Drop({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)},
                          (wParam & MK_CONTROL) != 0 || CtrlHeld());
            return 0;
        }
        break;
    case WM_TIMER:
        if (wParam == kScrollTimer && control->dragging_) {
            control->ScrollWhileDragging();
            return 0;
        }
        break;
    case WM_CAPTURECHANGED:
        if (control->dragging_ && reinterpret_cast<HWND>(lParam) != window) control->EndDrag();
        break;
    case WM_KEYDOWN:
        if (control->dragging_ && wParam == VK_ESCAPE) {
            control->EndDrag();
            return 0;
        }
        break;
    default:
        break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

// While a label is edited every key goes to the edit field, Enter and
// Escape too (which end the edit instead of pressing the dialog's buttons),
// and Delete empties it.
LRESULT CALLBACK CBarcodeTreeCtrl::LabelEditProc(HWND window, UINT message, WPARAM wParam,
                                                 LPARAM lParam, UINT_PTR, DWORD_PTR) {
    switch (message) {
    case WM_GETDLGCODE:
        return DLGC_WANTALLKEYS | DefSubclassProc(window, message, wParam, lParam);
    case WM_KEYDOWN:
        if (wParam == VK_DELETE) {
            SetWindowTextA(window, "");
            return 0;
        }
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(window, LabelEditProc, kLabelEditSubclass);
        break;
    default:
        break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}
