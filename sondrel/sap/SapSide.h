// Sondrel's SAP side as one object the main dialog owns: the bound RFC
// entries, the user interface, the cached tables, and the import and export
// on them. It installs itself behind the tree's import for its lifetime.
#pragma once

#include "SapHooks.h"
#include "SapOperations.h"
#include "SapTables.h"

#include <memory>

class CTreeList;

class CSapSide : public SapTreeSide {
  public:
    CSapSide(const RfcEntries& rfc, SapUserInterface& ui);
    ~CSapSide() override;

    // The import into a configuration: device types read,
    // the list shown until the user cancels, each device type taken imported
    // into config. True when at least one named code came from an
    // assignment.
    bool ImportDeviceTypes(CConfigTreeElement& config, TreeView& view, TreeItem item,
                           SapConnection& connection, CTreeList& list) override;

    // The export (button "Export to SAP"): connection test, device types,
    // target system, the count and the question, the lines, sending, the
    // result message. True when lines were sent and written.
    bool Export(SapConnection& connection, CTreeList& list, TreeView& view);

    SapContext Context() const { return {rfc_, ui_}; }
    // The cached tables; an export that wrote drops them, so that what SAP
    // holds now is read again.
    SapTables& Tables() { return *tables_; }

  private:
    const RfcEntries& rfc_;
    SapUserInterface& ui_;
    std::unique_ptr<SapTables> tables_;
};
