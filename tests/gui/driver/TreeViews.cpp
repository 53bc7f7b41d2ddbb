#include "TreeViews.h"

#include "Controls.h"

#include <functional>

namespace gui {

namespace {

// The remote block: a TVITEMA (or a RECT) at the start, its text buffer
// behind it.
constexpr std::size_t kTextOffset = sizeof(TVITEMA);
constexpr std::size_t kTextCapacity = 1024;

LPARAM ItemParameter(HTREEITEM item) {
    return reinterpret_cast<LPARAM>(item);
}

} // namespace

RemoteTree::RemoteTree(HWND tree) : tree_(tree), memory_(tree, kTextOffset + kTextCapacity) {}

bool RemoteTree::Usable() const {
    char className[32] = {};
    return IsWindow(tree_) && memory_.Usable() &&
           GetClassNameA(tree_, className, sizeof className) &&
           std::string(className) == WC_TREEVIEWA;
}

HTREEITEM RemoteTree::Next(HTREEITEM item, UINT relation) const {
    std::optional<LRESULT> next = SendWithTimeout(tree_, TVM_GETNEXTITEM, relation, ItemParameter(item));
    return next ? reinterpret_cast<HTREEITEM>(*next) : nullptr;
}

std::vector<HTREEITEM> RemoteTree::Children(HTREEITEM parent) const {
    std::vector<HTREEITEM> children;
    for (HTREEITEM child = parent ? FirstChild(parent) : Root(); child; child = NextSibling(child))
        children.push_back(child);
    return children;
}

std::vector<std::string> RemoteTree::ChildTexts(HTREEITEM parent) const {
    std::vector<std::string> texts;
    for (HTREEITEM child : Children(parent))
        texts.push_back(Text(child).value_or("<unreadable>"));
    return texts;
}

std::optional<int> RemoteTree::Count() const {
    std::optional<LRESULT> count = SendWithTimeout(tree_, TVM_GETCOUNT, 0, 0);
    if (!count) return std::nullopt;
    return static_cast<int>(*count);
}

std::optional<TVITEMA> RemoteTree::ReadItem(HTREEITEM item, UINT mask) const {
    if (!item || !memory_.Usable()) return std::nullopt;
    TVITEMA request{};
    request.mask = mask | TVIF_HANDLE;
    request.hItem = item;
    request.stateMask = ~0u;
    request.pszText = reinterpret_cast<LPSTR>(memory_.At(kTextOffset));
    request.cchTextMax = static_cast<int>(kTextCapacity);
    char empty = '\0';
    if (!memory_.Write(&request, sizeof request) || !memory_.Write(&empty, 1, kTextOffset))
        return std::nullopt;
    std::optional<LRESULT> found = SendWithTimeout(tree_, TVM_GETITEMA, 0, memory_.At());
    TVITEMA answer{};
    if (!found || !*found || !memory_.Read(&answer, sizeof answer)) return std::nullopt;
    return answer;
}

std::optional<std::string> RemoteTree::Text(HTREEITEM item) const {
    if (!ReadItem(item, TVIF_TEXT)) return std::nullopt;
    char text[kTextCapacity] = {};
    if (!memory_.Read(text, sizeof text, kTextOffset)) return std::nullopt;
    text[kTextCapacity - 1] = '\0';
    return std::string(text);
}

std::optional<UINT> RemoteTree::State(HTREEITEM item) const {
    std::optional<TVITEMA> read = ReadItem(item, TVIF_STATE);
    if (!read) return std::nullopt;
    return read->state;
}

std::optional<int> RemoteTree::Image(HTREEITEM item) const {
    std::optional<TVITEMA> read = ReadItem(item, TVIF_IMAGE);
    if (!read) return std::nullopt;
    return read->iImage;
}

std::optional<RECT> RemoteTree::ItemRect(HTREEITEM item, bool textOnly) const {
    // TVM_GETITEMRECT takes the item in the RECT it fills.
    if (!item || !memory_.Write(&item, sizeof item)) return std::nullopt;
    RECT rect{};
    std::optional<LRESULT> shown =
        SendWithTimeout(tree_, TVM_GETITEMRECT, textOnly ? TRUE : FALSE, memory_.At());
    if (!shown || !*shown || !memory_.Read(&rect, sizeof rect)) return std::nullopt;
    return rect;
}

std::optional<POINT> RemoteTree::ScreenPoint(HTREEITEM item) const {
    std::optional<RECT> rect = ItemRect(item);
    if (!rect) return std::nullopt;
    POINT point{(rect->left + rect->right) / 2, (rect->top + rect->bottom) / 2};
    if (!ClientToScreen(tree_, &point)) return std::nullopt;
    return point;
}

std::vector<TreeItemSeen> RemoteTree::Snapshot() const {
    std::vector<TreeItemSeen> seen;
    std::function<void(HTREEITEM, int)> visit = [&](HTREEITEM parent, int depth) {
        for (HTREEITEM child : Children(parent)) {
            seen.push_back({child, Text(child).value_or("<unreadable>"), depth});
            visit(child, depth + 1);
        }
    };
    visit(nullptr, 0);
    return seen;
}

std::string RemoteTree::Describe() const {
    std::string description;
    for (const TreeItemSeen& item : Snapshot())
        description += std::string(2 * static_cast<size_t>(item.depth), ' ') + item.text + "\n";
    return description.empty() ? "(empty tree)\n" : description;
}

HTREEITEM RemoteTree::Find(const std::vector<std::string>& path) const {
    HTREEITEM parent = nullptr;
    for (const std::string& text : path) {
        HTREEITEM found = nullptr;
        for (HTREEITEM child : Children(parent))
            if (Text(child) == text) {
                found = child;
                break;
            }
        if (!found) return nullptr;
        parent = found;
    }
    return parent;
}

bool RemoteTree::Select(HTREEITEM item) const {
    std::optional<LRESULT> selected =
        SendWithTimeout(tree_, TVM_SELECTITEM, TVGN_CARET, ItemParameter(item));
    return selected && *selected && Selected() == item;
}

bool RemoteTree::Expand(HTREEITEM item) const {
    return SendWithTimeout(tree_, TVM_EXPAND, TVE_EXPAND, ItemParameter(item)).has_value();
}

bool RemoteTree::Collapse(HTREEITEM item) const {
    return SendWithTimeout(tree_, TVM_EXPAND, TVE_COLLAPSE, ItemParameter(item)).has_value();
}

bool RemoteTree::EnsureVisible(HTREEITEM item) const {
    return SendWithTimeout(tree_, TVM_ENSUREVISIBLE, 0, ItemParameter(item)).has_value();
}

} // namespace gui
