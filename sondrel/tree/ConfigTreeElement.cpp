// A configuration's operations.
#include "ConfigTreeElement.h"

#include "NameRules.h"
#include "NamedCodeTreeElement.h"
#include "TreeImages.h"
#include "TreeList.h"
#include "catalog/Translate.h"
#include "resource.h"

#include <algorithm>

void CConfigTreeElement::ShowContextMenu(TreeView& view, TreePoint point) {
    view.ShowMenu(IsReadOnly() ? IDR_MENU_READ_ONLY : IDR_MENU_CONFIG, point);
}

bool CConfigTreeElement::ImportFromSap(TreeView& view, TreeItem item, SapConnection& connection,
                                       CTreeList& tree) {
    return ImportDeviceTypesIntoConfiguration(*this, view, item, connection, tree);
}

CTreeElement* CConfigTreeElement::AddChild(std::unique_ptr<CTreeElement> node) {
    auto* namedCode = dynamic_cast<CNamedCodeTreeElement*>(node.get());
    CTreeElement* child = CTreeElement::AddChild(std::move(node));
    if (namedCode != nullptr) namedCodes_.push_back(namedCode);
    return child;
}

void CConfigTreeElement::RemoveChild(CTreeElement* node) {
    if (std::find(Children().begin(), Children().end(), node) == Children().end()) return;
    CTreeElement::RemoveChild(node);
    namedCodes_.erase(std::remove(namedCodes_.begin(), namedCodes_.end(), node), namedCodes_.end());
}

std::unique_ptr<CTreeElement> CConfigTreeElement::ReleaseChild(CTreeElement* node) {
    namedCodes_.erase(std::remove(namedCodes_.begin(), namedCodes_.end(), node), namedCodes_.end());
    return CTreeElement::ReleaseChild(node);
}

RenameResult CConfigTreeElement::Rename(const std::string& text) {
    std::string reason;
    if (!ValidateName(text, reason))
        return {false, {GetText(202, 3, false), GetText(202, 4, false)}};
    if (GetParent() == nullptr) {
        if (treeList_ != nullptr && treeList_->FindConfiguration(text) != nullptr) return {};
        SetName(text);
        return {true, {}};
    }
    const std::string name = TrimName(text);
    if (name == GetName()) return {};
    if (GetParent()->HasChildNamed(name))
        return {false, {"\"" + name + "\"\n" + GetText(202, 1, false), GetText(202, 2, false)}};
    SetName(name);
    return {true, {}};
}

bool CConfigTreeElement::ValidateName(const std::string& text, std::string& reason) const {
    return ValidateNameWithLimit(text, GetText(202, 72, false), reason);
}

bool CConfigTreeElement::AcceptsDrop(const CTreeElement* node, bool copying) const {
    return !IsReadOnly() && dynamic_cast<const CNamedCodeTreeElement*>(node) != nullptr;
}

TreeItem CConfigTreeElement::InsertIntoTree(TreeView& view, TreeItem parentItem) {
    TreeItem item = InsertOwnItem(view, parentItem);
    for (CNamedCodeTreeElement* code : namedCodes_)
        code->InsertIntoTree(view, item);
    return item;
}

bool CConfigTreeElement::IsModified() const {
    return std::any_of(namedCodes_.begin(), namedCodes_.end(),
                       [](const CNamedCodeTreeElement* code) { return code->IsModified(); });
}

void CConfigTreeElement::UpdateImages(TreeView& view) {
    ShowImages(view, IsModified() ? kConfigModifiedImage : kConfigImage);
    CTreeElement::UpdateImages(view);
}

void CConfigTreeElement::SetImported(bool imported) {
    CTreeElement::SetImported(imported);
    if (imported) {
        markedForExport_ = true;
        deviceTypeInSap_ = true;
    }
}

CNamedCodeTreeElement* CConfigTreeElement::FindNamedCode(const std::string& name) const {
    for (CNamedCodeTreeElement* code : namedCodes_)
        if (code->GetName() == name) return code;
    return nullptr;
}

namespace {

bool IsPendingDeletion(const CTreeElement* node) {
    return dynamic_cast<const CNamedCodeTreeElement*>(node) != nullptr && node->IsDeleted() &&
           node->IsImported() && !node->IsExported();
}

} // namespace

bool CConfigTreeElement::HasSapChanges() const {
    const std::vector<CTreeElement*> all = AllChildren();
    return IsModified() || std::any_of(all.begin(), all.end(), IsPendingDeletion);
}

void CConfigTreeElement::CountChanges(SapChangeCounts& counts) const {
    const bool changed = HasSapChanges();
    if (IsMarkedForExport() || changed)
        for (const CNamedCodeTreeElement* code : namedCodes_) {
            std::string reason;
            if (!code->ValidateName(code->GetName(), reason))
                counts.invalidNames.push_back(code->GetName());
        }
    if (!IsImported()) {
        // Only a configuration the export sends becomes a new device type.
        if (changed && IsMarkedForExport()) counts.changedNotImported = true;
        return;
    }
    ++counts.importedConfigurations;
    if (!changed) return;
    ++counts.changedConfigurations;
    for (const CNamedCodeTreeElement* code : namedCodes_) {
        if (!code->IsImported() || code->IsNewOrNameChanged())
            ++counts.inserted;
        else if (code->IsModified())
            ++counts.modified;
    }
    for (const CTreeElement* node : AllChildren())
        if (IsPendingDeletion(node)) ++counts.deleted;
}
