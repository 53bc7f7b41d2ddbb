// The tree list's operations.
#include "TreeList.h"

#include "TreeImages.h"
#include "catalog/Translate.h"

#include <cstdio>

CTreeList::CTreeList(CTreeList&& other) noexcept
    : fileCleared(other.fileCleared), fileOpened(other.fileOpened),
      fileOpenedReadOnly(other.fileOpenedReadOnly), current_(other.current_),
      configurations_(std::move(other.configurations_)),
      definitions_(std::move(other.definitions_)) {
    other.current_ = nullptr;
    LinkConfigurations();
}

CTreeList& CTreeList::operator=(CTreeList&& other) noexcept {
    if (this == &other) return *this;
    fileCleared = other.fileCleared;
    fileOpened = other.fileOpened;
    fileOpenedReadOnly = other.fileOpenedReadOnly;
    current_ = other.current_;
    configurations_ = std::move(other.configurations_);
    definitions_ = std::move(other.definitions_);
    other.current_ = nullptr;
    LinkConfigurations();
    return *this;
}

void CTreeList::LinkConfigurations() {
    for (const auto& config : configurations_)
        config->SetTreeList(this);
}

CConfigTreeElement* CTreeList::AddConfiguration(std::unique_ptr<CConfigTreeElement> config) {
    if (!config) return nullptr;
    config->SetTreeList(this);
    configurations_.push_back(std::move(config));
    return configurations_.back().get();
}

CNamedCodeDefinitionTreeElement*
CTreeList::AddDefinition(std::unique_ptr<CNamedCodeDefinitionTreeElement> definition) {
    if (!definition) return nullptr;
    if (CNamedCodeDefinitionTreeElement* existing = FindDefinition(definition->GetName()))
        return existing;
    definitions_.push_back(std::move(definition));
    return definitions_.back().get();
}

CConfigTreeElement* CTreeList::FindConfiguration(const std::string& name) const {
    for (const auto& config : configurations_)
        if (config->GetName() == name) return config.get();
    return nullptr;
}

CNamedCodeDefinitionTreeElement* CTreeList::FindDefinition(const std::string& name) const {
    for (const auto& definition : definitions_)
        if (definition->GetName() == name) return definition.get();
    return nullptr;
}

void CTreeList::ForgetAllTreeItems() {
    for (const auto& config : configurations_)
        config->ForgetTreeItems();
    for (const auto& definition : definitions_)
        definition->ForgetTreeItems();
}

void CTreeList::InsertAllConfigurations(TreeView& view) {
    view.DeleteAllItems();
    ForgetAllTreeItems();
    for (const auto& config : configurations_)
        config->InsertIntoTree(view, kNoItem);
}

TreeItem CTreeList::InsertAllDefinitions(TreeView& view) {
    view.DeleteAllItems();
    ForgetAllTreeItems();
    TreeItem root = view.InsertItem(kNoItem, GetText(210, 7, false), kDefinitionsRootImage,
                                    kDefinitionsRootImage, nullptr);
    for (const auto& definition : definitions_)
        definition->InsertIntoTree(view, root);
    return root;
}

void CTreeList::UpdateAllImages(TreeView& view) {
    for (const auto& config : configurations_)
        config->UpdateImages(view);
}

CConfigTreeElement* CTreeList::CreateNewConfiguration(TreeView& view, bool show) {
    std::string name = GetText(201, 191, false);
    const char* numbered = GetText(201, 192, false);
    char text[256];
    for (int number = 1; FindConfiguration(name) != nullptr; ++number) {
        if (number > 9999) return nullptr;
        std::snprintf(text, sizeof text, numbered, number);
        name = text;
    }
    auto config = std::make_unique<CConfigTreeElement>();
    config->SetName(name);
    config->SetNewOrNameChanged(false);
    CConfigTreeElement* added = AddConfiguration(std::move(config));
    added->UpdateImages(view);
    if (show) added->InsertIntoTree(view, kNoItem);
    return added;
}
