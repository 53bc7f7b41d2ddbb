// The tree control's commands on the model.
#include "TreeCommands.h"

#include "TreeElement.h"
#include "TreeList.h"
#include "catalog/Translate.h"
#include "resource.h"

namespace {

TreeItem ParentItemOf(const CTreeElement& node) {
    return node.GetParent() != nullptr ? node.GetParent()->GetTreeItem() : kNoItem;
}

void Copy(CTreeElement& node, TreeCommandContext& context) {
    node.CopyInto(context.view, ParentItemOf(node), nullptr);
    context.list.UpdateAllImages(context.view);
}

// A configuration stays in the tree list (and is exported as before); only
// its item goes. A named code leaves its configuration.
void Delete(CTreeElement& node, TreeItem item, TreeCommandContext& context) {
    node.Remove(context.view, item);
    if (item != kNoItem) context.view.DeleteItem(item);
    node.ForgetTreeItems();
    context.list.UpdateAllImages(context.view);
}

void ImportFromSap(CTreeElement& node, TreeItem item, TreeCommandContext& context) {
    bool imported = context.connection != nullptr &&
                    node.ImportFromSap(context.view, item, *context.connection, context.list);
    if (!imported) context.host.ShowMessage({GetText(200, 6, false), GetText(200, 7, false)});
}

bool ChangesTheNode(int commandId) {
    return commandId == ID_TREE_COPY || commandId == ID_TREE_RENAME ||
           commandId == ID_TREE_DELETE || commandId == ID_TREE_NEW_NAMED_CODE ||
           commandId == ID_TREE_IMPORT_SAP;
}

} // namespace

void ShowContextMenuFor(CTreeElement* node, TreeView& view, TreePoint point) {
    if (node != nullptr)
        node->ShowContextMenu(view, point);
    else
        view.ShowMenu(IDR_MENU_EMPTY_SPACE, point);
}

bool RunTreeCommand(int commandId, CTreeElement* node, TreeItem item, TreeCommandContext& context) {
    if (commandId == ID_TREE_NEW_CONFIG) {
        context.list.CreateNewConfiguration(context.view, context.showsConfigurations);
        return true;
    }
    if (commandId == ID_TREE_NO_ACTION) return true;
    if (node == nullptr) return commandId == ID_TREE_PROPERTIES || ChangesTheNode(commandId);
    if (ChangesTheNode(commandId) && node->IsReadOnly()) return true;
    switch (commandId) {
    case ID_TREE_COPY:
        Copy(*node, context);
        return true;
    case ID_TREE_RENAME:
        if (node->CanRename() && item != kNoItem) context.view.EditLabel(item);
        return true;
    case ID_TREE_DELETE:
        Delete(*node, item, context);
        return true;
    case ID_TREE_NEW_NAMED_CODE:
        node->NewChild(context.view, item);
        return true;
    case ID_TREE_IMPORT_SAP:
        ImportFromSap(*node, item, context);
        return true;
    case ID_TREE_PROPERTIES:
        node->ShowProperties(context.host);
        return true;
    default:
        return false;
    }
}

bool EndLabelEdit(CTreeElement& node, TreeItem item, const std::string& text,
                  TreeCommandContext& context) {
    if (!node.CanRename() || node.IsReadOnly()) return false;
    RenameResult result = node.Rename(text);
    if (!result.message.text.empty()) context.host.ShowMessage(result.message);
    if (item != kNoItem) context.view.SetItemText(item, node.GetName());
    context.list.UpdateAllImages(context.view);
    return result.renamed;
}
