// The drag and drop rules of the tree.
#include "TreeDragDrop.h"

#include "ConfigTreeElement.h"
#include "NamedCodeTreeElement.h"

namespace {

bool ParentIsReadOnly(const CTreeElement& node) {
    return node.GetParent() != nullptr && node.GetParent()->IsReadOnly();
}

// The named code goes over to target with its ownership; its configuration
// keeps a deleted twin, and in the target it counts as new.
CTreeElement* MoveNamedCode(TreeView& view, CNamedCodeTreeElement& node, CTreeElement& target,
                            TreeItem targetItem) {
    CTreeElement* source = node.GetParent();
    std::unique_ptr<CTreeElement> moving = source->ReleaseChild(&node);
    if (!moving) return nullptr;
    source->KeepDeletionRecord(node.MakeDeletionRecord());
    if (node.GetTreeItem() != kNoItem) view.DeleteItem(node.GetTreeItem());
    node.ForgetTreeItems();
    node.SetDeleted(false);
    node.SetNewOrNameChanged(true);
    CTreeElement* moved = target.AddChild(std::move(moving));
    if (targetItem != kNoItem) moved->InsertIntoTree(view, targetItem);
    return moved;
}

} // namespace

bool CanStartDrag(const CTreeElement& node, bool ctrlHeld) {
    return node.CanDrag() && (ctrlHeld || !ParentIsReadOnly(node));
}

bool CanDrop(const CTreeElement& node, const CTreeElement* target, bool copying) {
    if (target == nullptr || target == &node || node.IsAncestorOf(target)) return false;
    if (node.IsDeleted()) return false; // what was deleted is shown nowhere
    if (!target->AcceptsDrop(&node, copying)) return false;
    if (copying) return true;
    return node.GetParent() != nullptr && node.GetParent() != target && !ParentIsReadOnly(node);
}

CTreeElement* DropNode(TreeView& view, CTreeElement& node, CTreeElement& target,
                       TreeItem targetItem, bool copying) {
    if (!CanDrop(node, &target, copying)) return nullptr;
    auto* namedCode = dynamic_cast<CNamedCodeTreeElement*>(&node);
    if (namedCode == nullptr) return nullptr;
    CTreeElement* result = copying ? node.CopyInto(view, targetItem, &target)
                                   : MoveNamedCode(view, *namedCode, target, targetItem);
    if (result == nullptr) return nullptr;
    if (targetItem != kNoItem) {
        view.SelectItem(targetItem);
        view.SortChildren(targetItem);
        view.Expand(targetItem);
    }
    return result;
}
