// Dragging named codes between configurations, as plain rules: the tree
// control asks these while the user drags and calls DropNode on release.
#pragma once

#include "TreeView.h"

class CTreeElement;

// A drag may start from a node that allows dragging; out of a read-only
// configuration only with Ctrl held (then the drop copies).
bool CanStartDrag(const CTreeElement& node, bool ctrlHeld);

// Whether node may be dropped on target: never a deleted node, never on
// itself, on one of its descendants or on a node that does not accept it; a
// move never out of a read-only configuration, nor into the configuration
// the node is already in (nothing would move).
bool CanDrop(const CTreeElement& node, const CTreeElement* target, bool copying);

// The drop: with copying a copy of node is added to target and shown below
// targetItem; otherwise node itself moves there, its old item is deleted and
// it is shown below targetItem. The old configuration keeps a deletion record
// for the export. Then the target is selected, its children sorted and the
// target expanded. Returns the node now in the target, or null when the drop
// was refused.
CTreeElement* DropNode(TreeView& view, CTreeElement& node, CTreeElement& target,
                       TreeItem targetItem, bool copying);
