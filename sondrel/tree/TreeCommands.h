// The commands of the tree's context menus and the end of a label edit, as
// plain code: the tree control routes its menu commands and its label-edit
// notification here and keeps only the Windows side (menus, notifications,
// the edit field).
#pragma once

#include "TreeHost.h"
#include "TreeView.h"

#include <string>

class CTreeElement;
class CTreeList;
struct SapConnection;

// What a command works with: the control, the main dialog, the tree list,
// the SAP connection data (null while there are none) and which view the
// control shows (the tab: configurations, or the definitions, where a new
// configuration is added to the list but not shown).
struct TreeCommandContext {
    TreeView& view;
    TreeHost& host;
    CTreeList& list;
    SapConnection* connection = nullptr;
    bool showsConfigurations = true;
};

// A right click at point: the menu of the node under the cursor, or over
// empty space (node null) menu 119, which offers only "Create New Config".
void ShowContextMenuFor(CTreeElement* node, TreeView& view, TreePoint point);

// Runs a menu command (ID_TREE_*) on the node under the menu and its item
// (node null: the menu of empty space). Copy, Rename, Delete, New Named Code
// and Import do nothing on a read-only node, whose menu offers none of them.
// Returns false for a command this function does not know.
bool RunTreeCommand(int commandId, CTreeElement* node, TreeItem item, TreeCommandContext& context);

// The label edit of node's item ended with text: the node's Rename applies
// it, a refusal's message is shown, the item shows the node's name (which
// may be trimmed) and every image is updated. True when the name changed.
// The item's text is set here, so the control's TVN_ENDLABELEDIT handler
// returns FALSE whatever this returns.
bool EndLabelEdit(CTreeElement& node, TreeItem item, const std::string& text,
                  TreeCommandContext& context);
