// What the configuration tree's nodes ask of the control that shows them.
// The nodes and the tree list are plain code; they never touch a window.
// The Windows tree control (CBarcodeTreeCtrl) implements this interface over
// its HTREEITEMs and image list, and the tests implement it over a list of
// items in memory, so every rule of the tree is tested without a window.
#pragma once

#include <cstdint>
#include <string>

class CTreeElement;

// An item of the control, as the control names it (an HTREEITEM on Windows).
// The nodes only store and hand it back; 0 means "not shown".
using TreeItem = std::uintptr_t;
inline constexpr TreeItem kNoItem = 0;

// A point in the control's client coordinates (where a context menu opens).
struct TreePoint {
    int x = 0, y = 0;
};

// A colour as the control takes it: 0x00BBGGRR, the layout of a COLORREF.
using TreeColour = std::uint32_t;
constexpr TreeColour TreeRgb(unsigned red, unsigned green, unsigned blue) {
    return static_cast<TreeColour>(red | (green << 8) | (blue << 16));
}

class TreeView {
  public:
    virtual ~TreeView() = default;

    // Appends an item below parent (kNoItem: at the top level) and returns it;
    // node is the item's data, which comes back with the control's
    // notifications (null for an item that stands for no node, such as the
    // definitions root). Images are indices into the control's image list.
    virtual TreeItem InsertItem(TreeItem parent, const std::string& text, int image,
                                int selectedImage, CTreeElement* node) = 0;
    // Deletes an item and every item below it.
    virtual void DeleteItem(TreeItem item) = 0;
    // Deletes every item (a tab change refills the control).
    virtual void DeleteAllItems() = 0;
    virtual void SetItemText(TreeItem item, const std::string& text) = 0;
    virtual void SetItemImages(TreeItem item, int image, int selectedImage) = 0;
    // Starts the in-place editing of an item's label.
    virtual void EditLabel(TreeItem item) = 0;
    virtual void SelectItem(TreeItem item) = 0;
    virtual void Expand(TreeItem item) = 0;
    // Sorts the items directly below item by their texts.
    virtual void SortChildren(TreeItem item) = 0;
    // Shows one of the context menus (resource ids IDR_MENU_*) at point; its
    // commands come back to the control, which runs them on the node under
    // the menu (RunTreeCommand).
    virtual void ShowMenu(int menuId, TreePoint point) = 0;
};
