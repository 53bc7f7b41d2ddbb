// The tree control and the main dialog as the tree's tests see them: items
// in memory, and a record of every menu, message and shown named code. An
// operation on an item that was deleted fails the test, as it would be a
// dangling HTREEITEM in the real control.
#pragma once

#include "NamedCodeTreeElement.h"
#include "ShownNamedCode.h"
#include "TreeHost.h"
#include "TreeView.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace treetest {

class FakeTreeView : public TreeView {
  public:
    struct Item {
        TreeItem parent;
        std::string text;
        int image, selectedImage;
        CTreeElement* node;
    };

    TreeItem InsertItem(TreeItem parent, const std::string& text, int image, int selectedImage,
                        CTreeElement* node) override {
        if (parent != kNoItem) ExpectAlive(parent, "insert below");
        TreeItem item = ++lastItem_;
        items_[item] = {parent, text, image, selectedImage, node};
        order_.push_back(item);
        return item;
    }
    void DeleteItem(TreeItem item) override {
        ExpectAlive(item, "delete");
        std::vector<TreeItem> below;
        for (const auto& [other, data] : items_)
            if (data.parent == item) below.push_back(other);
        for (TreeItem child : below)
            DeleteItem(child);
        items_.erase(item);
    }
    void DeleteAllItems() override { items_.clear(); }
    void SetItemText(TreeItem item, const std::string& text) override {
        if (ExpectAlive(item, "set the text of")) items_[item].text = text;
    }
    void SetItemImages(TreeItem item, int image, int selectedImage) override {
        if (ExpectAlive(item, "set the images of")) {
            items_[item].image = image;
            items_[item].selectedImage = selectedImage;
        }
    }
    void EditLabel(TreeItem item) override {
        if (ExpectAlive(item, "edit")) edited.push_back(item);
    }
    void SelectItem(TreeItem item) override {
        if (ExpectAlive(item, "select")) selected.push_back(item);
    }
    void Expand(TreeItem item) override { ExpectAlive(item, "expand"); }
    void SortChildren(TreeItem item) override { ExpectAlive(item, "sort"); }
    void ShowMenu(int menuId, TreePoint) override { menus.push_back(menuId); }

    bool IsAlive(TreeItem item) const { return items_.count(item) != 0; }
    const Item& At(TreeItem item) const { return items_.at(item); }
    size_t Count() const { return items_.size(); }
    // The texts of the live items directly below parent, in insertion order.
    std::vector<std::string> TextsBelow(TreeItem parent) const {
        std::vector<std::string> texts;
        for (TreeItem item : order_)
            if (IsAlive(item) && items_.at(item).parent == parent)
                texts.push_back(items_.at(item).text);
        return texts;
    }

    std::vector<int> menus;
    std::vector<TreeItem> edited, selected;

  private:
    bool ExpectAlive(TreeItem item, const char* what) {
        if (IsAlive(item)) return true;
        ADD_FAILURE() << "the tree asked to " << what << " item " << item
                      << ", which is not in the control";
        return false;
    }

    TreeItem lastItem_ = 0;
    std::map<TreeItem, Item> items_;
    std::vector<TreeItem> order_;
};

// The main dialog: it shows a named code as the real one does (through a
// CShownNamedCode) and stores dialogCommand back on each refresh.
class FakeTreeHost : public TreeHost {
  public:
    void ShowNamedCode(CNamedCodeTreeElement& node) override {
        if (!shown.Show(node)) return;
        loadedCommands.push_back(shown.Command());
        titles.push_back(shown.Title());
    }
    void EditDefinition(CNamedCodeDefinitionTreeElement&) override { ++definitionsEdited; }
    void ShowMessage(const TreeMessage& message) override { messages.push_back(message); }

    CShownNamedCode shown;
    std::vector<std::string> loadedCommands, titles;
    std::vector<TreeMessage> messages;
    int definitionsEdited = 0;
};

} // namespace treetest
