// The operations every node of the tree shares.
#include "TreeElement.h"

#include "NameRules.h"
#include "catalog/Translate.h"

#include <algorithm>
#include <cstdio>

namespace {

// "<name>" on a line of its own, then the reason on the next.
std::string QuotedNameAndText(const std::string& name, const char* text) {
    return "\"" + name + "\"\n" + text;
}

// The catalog's invalid-name message: a format with the name and the reason.
std::string InvalidNameText(const std::string& name, const std::string& reason) {
    const char* format = GetText(208, 4, false);
    int length = std::snprintf(nullptr, 0, format, name.c_str(), reason.c_str());
    if (length < 0) return format;
    std::string text(static_cast<size_t>(length) + 1, '\0');
    std::snprintf(text.data(), text.size(), format, name.c_str(), reason.c_str());
    text.resize(static_cast<size_t>(length));
    return text;
}

} // namespace

CTreeElement* CTreeElement::AddChild(std::unique_ptr<CTreeElement> node) {
    if (!node) return nullptr;
    CTreeElement* child = node.get();
    child->SetParent(this);
    children_.push_back(child);
    allChildren_.push_back(std::move(node));
    return child;
}

void CTreeElement::RemoveChild(CTreeElement* node) {
    auto found = std::find(children_.begin(), children_.end(), node);
    if (found == children_.end()) return;
    children_.erase(found);
    node->SetDeleted(true);
}

bool CTreeElement::HasChildNamed(const std::string& name) const {
    return std::any_of(children_.begin(), children_.end(),
                       [&](const CTreeElement* child) { return child->GetName() == name; });
}

// A named code's rename; a configuration has its own. Renaming to the
// node's own name changes nothing and says nothing (the label editor hands
// back the unchanged text when the user just presses Enter).
RenameResult CTreeElement::Rename(const std::string& text) {
    const std::string name = TrimName(text);
    std::string reason;
    if (!ValidateName(text, reason))
        return {false, {InvalidNameText(name, reason), GetText(208, 2, false)}};
    if (parent_ == nullptr)
        return {false, {QuotedNameAndText(name, GetText(208, 3, false)), GetText(208, 2, false)}};
    if (name == GetName()) return {};
    if (parent_->HasChildNamed(name))
        return {false, {QuotedNameAndText(name, GetText(208, 1, false)), GetText(208, 2, false)}};
    SetName(name);
    return {true, {}};
}

bool CTreeElement::ValidateName(const std::string& text, std::string& reason) const {
    return ValidateNameCharacters(text, reason);
}

bool CTreeElement::ValidateNameWithLimit(const std::string& text, const char* tooLongReason,
                                         std::string& reason) const {
    return CTreeElement::ValidateName(text, reason) &&
           ValidateNameLength(text, tooLongReason, reason);
}

TreeItem CTreeElement::InsertOwnItem(TreeView& view, TreeItem parentItem) {
    treeItem_ = view.InsertItem(parentItem, name_, image_, selectedImage_, this);
    return treeItem_;
}

TreeItem CTreeElement::InsertIntoTree(TreeView& view, TreeItem parentItem) {
    TreeItem item = InsertOwnItem(view, parentItem);
    for (CTreeElement* child : children_)
        child->InsertIntoTree(view, item);
    return item;
}

void CTreeElement::UpdateImages(TreeView& view) {
    for (CTreeElement* child : children_)
        child->UpdateImages(view);
}

void CTreeElement::ShowImages(TreeView& view, int image) {
    SetImages(image, image);
    if (treeItem_ != kNoItem) view.SetItemImages(treeItem_, image_, selectedImage_);
}

void CTreeElement::MarkExported() {
    if (deleted_) exported_ = true;
    if (!imported_) SetImported(true);
    for (const auto& child : allChildren_)
        child->MarkExported();
}

void CTreeElement::SetName(const std::string& name) {
    if (!name_.empty() && name_ != name) newOrNameChanged_ = true;
    name_ = name;
}

std::string CTreeElement::MakeUniqueName(const std::string& name,
                                         const CTreeElement& parent) const {
    return UniqueName(
        name, [&](const std::string& candidate) { return parent.HasChildNamed(candidate); });
}

std::unique_ptr<CTreeElement> CTreeElement::ReleaseChild(CTreeElement* node) {
    auto owner = std::find_if(allChildren_.begin(), allChildren_.end(),
                              [&](const auto& child) { return child.get() == node; });
    if (owner == allChildren_.end()) return nullptr;
    std::unique_ptr<CTreeElement> released = std::move(*owner);
    allChildren_.erase(owner);
    children_.erase(std::remove(children_.begin(), children_.end(), node), children_.end());
    released->SetParent(nullptr);
    return released;
}

void CTreeElement::KeepDeletionRecord(std::unique_ptr<CTreeElement> record) {
    if (!record) return;
    record->SetParent(this);
    record->SetDeleted(true);
    record->SetTreeItem(kNoItem);
    allChildren_.push_back(std::move(record));
}

std::vector<CTreeElement*> CTreeElement::AllChildren() const {
    std::vector<CTreeElement*> all;
    all.reserve(allChildren_.size());
    for (const auto& child : allChildren_)
        all.push_back(child.get());
    return all;
}

bool CTreeElement::IsAncestorOf(const CTreeElement* node) const {
    for (const CTreeElement* above = node ? node->GetParent() : nullptr; above != nullptr;
         above = above->GetParent())
        if (above == this) return true;
    return false;
}

void CTreeElement::ForgetTreeItems() {
    treeItem_ = kNoItem;
    for (const auto& child : allChildren_)
        child->ForgetTreeItems();
}

void CTreeElement::SetImages(int image, int selectedImage) {
    image_ = image;
    selectedImage_ = selectedImage;
}
