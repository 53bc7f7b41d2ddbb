// The whole configuration tree: the configurations and the system barcode
// definitions. One exists per run, owned by the main dialog; it owns every
// configuration and definition (and through them every named code) and frees
// them when it goes.
#pragma once

#include "ConfigTreeElement.h"
#include "NamedCodeDefinitionTreeElement.h"
#include "TreeView.h"

#include <memory>
#include <string>
#include <vector>

class CTreeList {
  public:
    CTreeList() = default;
    CTreeList(const CTreeList&) = delete;
    CTreeList& operator=(const CTreeList&) = delete;
    // Moving keeps the configurations' link to the list that holds them. A
    // list moved over another frees that one's nodes: a control that showed
    // them must be refilled (InsertAllConfigurations) before it draws again.
    CTreeList(CTreeList&& other) noexcept;
    CTreeList& operator=(CTreeList&& other) noexcept;

    // Takes a configuration over (at the end of the list); returns it.
    CConfigTreeElement* AddConfiguration(std::unique_ptr<CConfigTreeElement> config);
    // Takes a definition over unless one of that name is already in the
    // list (an import of a second device type brings the same system
    // barcodes again); returns the definition the list holds under that name.
    CNamedCodeDefinitionTreeElement*
    AddDefinition(std::unique_ptr<CNamedCodeDefinitionTreeElement> definition);
    CConfigTreeElement* FindConfiguration(const std::string& name) const;
    CNamedCodeDefinitionTreeElement* FindDefinition(const std::string& name) const;

    // The configurations view: the control is cleared and every
    // configuration shown at the top level with its named codes.
    void InsertAllConfigurations(TreeView& view);
    // The definitions view: a root item (210, 7) with the definitions below.
    // Returns the root item.
    TreeItem InsertAllDefinitions(TreeView& view);
    void UpdateAllImages(TreeView& view);

    // "Create New Config": a configuration named (201, 191), or (201, 192)
    // with the first of 1 to 9999 that is free, added, and shown at the top
    // level when the control shows the configurations. Null when every name
    // is taken.
    CConfigTreeElement* CreateNewConfiguration(TreeView& view, bool show);

    CConfigTreeElement* GetCurrentConfiguration() const { return current_; }
    void SetCurrentConfiguration(CConfigTreeElement* config) { current_ = config; }

    const std::vector<std::unique_ptr<CConfigTreeElement>>& Configurations() const {
        return configurations_;
    }
    const std::vector<std::unique_ptr<CNamedCodeDefinitionTreeElement>>& Definitions() const {
        return definitions_;
    }

    // What the start-up learnt of the configuration file it holds open.
    bool fileCleared = false, fileOpened = false, fileOpenedReadOnly = false;

  private:
    // The control was cleared: no node is shown any longer.
    void ForgetAllTreeItems();
    void LinkConfigurations();

    CConfigTreeElement* current_ = nullptr;
    std::vector<std::unique_ptr<CConfigTreeElement>> configurations_;
    std::vector<std::unique_ptr<CNamedCodeDefinitionTreeElement>> definitions_;
};
