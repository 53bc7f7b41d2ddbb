// A tree view (SysTreeView32) of another process, read and driven as the
// program's own code sees its control: items by TVM_GETNEXTITEM, texts,
// states and rectangles by TVM_GETITEMA and TVM_GETITEMRECT through a
// structure in the program's memory, selection by TVM_SELECTITEM. The
// driver reads the control itself, never what the program says about it.
#pragma once

#include "RemoteMemory.h"

#include <commctrl.h>

#include <optional>
#include <string>
#include <vector>

namespace gui {

// One item as a snapshot saw it: depth 0 for the top level.
struct TreeItemSeen {
    HTREEITEM item = nullptr;
    std::string text;
    int depth = 0;
};

class RemoteTree {
  public:
    explicit RemoteTree(HWND tree);

    HWND Window() const { return tree_; }
    // False when the window is no tree of a process the driver can read.
    bool Usable() const;

    // The items around an item; null when there is none.
    HTREEITEM Root() const { return Next(nullptr, TVGN_ROOT); }
    HTREEITEM FirstChild(HTREEITEM item) const { return Next(item, TVGN_CHILD); }
    HTREEITEM NextSibling(HTREEITEM item) const { return Next(item, TVGN_NEXT); }
    HTREEITEM Parent(HTREEITEM item) const { return Next(item, TVGN_PARENT); }
    HTREEITEM Selected() const { return Next(nullptr, TVGN_CARET); }
    HTREEITEM DropHighlight() const { return Next(nullptr, TVGN_DROPHILITE); }
    // The items directly below parent; null parent: the top level.
    std::vector<HTREEITEM> Children(HTREEITEM parent) const;
    std::vector<std::string> ChildTexts(HTREEITEM parent) const;
    std::optional<int> Count() const;

    std::optional<std::string> Text(HTREEITEM item) const;
    // TVIS_* bits.
    std::optional<UINT> State(HTREEITEM item) const;
    // The index of the item's image in the control's image list.
    std::optional<int> Image(HTREEITEM item) const;
    // The item's rectangle in the control's client coordinates: its text
    // only, or the whole line; nothing for an item scrolled out of view.
    std::optional<RECT> ItemRect(HTREEITEM item, bool textOnly = true) const;
    // The middle of the item's text on the screen, where a user points.
    std::optional<POINT> ScreenPoint(HTREEITEM item) const;

    // Every item, depth first, collapsed ones too.
    std::vector<TreeItemSeen> Snapshot() const;
    // The snapshot as indented lines, for failure messages.
    std::string Describe() const;
    // The first item reached by these texts from the top level; null when
    // there is none.
    HTREEITEM Find(const std::vector<std::string>& path) const;

    // Selects the item as a click does; the program's TVN_SELCHANGED
    // handler has run on return.
    bool Select(HTREEITEM item) const;
    bool Expand(HTREEITEM item) const;
    bool Collapse(HTREEITEM item) const;
    bool EnsureVisible(HTREEITEM item) const;

  private:
    HTREEITEM Next(HTREEITEM item, UINT relation) const;
    // Reads the item's text and state into the remote TVITEMA.
    std::optional<TVITEMA> ReadItem(HTREEITEM item, UINT mask) const;

    HWND tree_;
    RemoteMemory memory_;
};

} // namespace gui
