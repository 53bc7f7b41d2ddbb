// Where the SAP import and export attach to the tree. The nodes call these
// points; the SAP side (sondrel/sap) installs itself behind them, so the tree
// never depends on the RFC library. Without it every import fails.
#pragma once

#include "TreeView.h"

#include <string>
#include <vector>

class CConfigTreeElement;
class CTreeList;

// The connection record of the SAP side, rebuilt before every SAP operation;
// the tree only passes it on.
struct SapConnection;

// What the export asks the user to confirm: the imported configurations, the
// changed ones among them, and the named codes of changed imported
// configurations that will be inserted, modified and deleted; a changed
// configuration that did not come from SAP sets changedNotImported.
// The names of the named codes that cannot go to SAP as they are named are
// collected in invalidNames (the export reports each of them).
struct SapChangeCounts {
    int importedConfigurations = 0, changedConfigurations = 0;
    int inserted = 0, modified = 0, deleted = 0;
    bool changedNotImported = false;
    std::vector<std::string> invalidNames;
};

// The lines the export sends to SAP, built node by node.
using SapExportLines = std::vector<std::string>;

// What the tree asks of the SAP side.
class SapTreeSide {
  public:
    virtual ~SapTreeSide() = default;
    // See ImportDeviceTypesIntoConfiguration.
    virtual bool ImportDeviceTypes(CConfigTreeElement& config, TreeView& view, TreeItem item,
                                   SapConnection& connection, CTreeList& list) = 0;
};

// The SAP side the imports run on (null: none, every import fails). The main
// dialog installs its own for its lifetime.
void SetSapTreeSide(SapTreeSide* side);

// The import of one or more device types into config (shown at item; kNoItem
// while the tree is not shown): named codes into config, system barcode
// definitions into list. True when at least one named code came from an
// assignment.
bool ImportDeviceTypesIntoConfiguration(CConfigTreeElement& config, TreeView& view, TreeItem item,
                                        SapConnection& connection, CTreeList& list);
