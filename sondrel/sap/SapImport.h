// The import of SAP device types into a configuration of the tree: the
// device type list shown until the user cancels it, and for each device type
// taken its system barcodes (into the tree list's definitions), its barcodes'
// print controls and its other print controls (named codes of the
// configuration), the configuration named after it.
#pragma once

#include "ConfigTreeElement.h"
#include "NamedCodeDefinitionTreeElement.h"
#include "NamedCodeTreeElement.h"
#include "SapOperations.h"
#include "SapTables.h"
#include "TreeList.h"
#include "TreeView.h"

#include <memory>
#include <set>
#include <string>

// The whole import (the tree's "Import from SAP..." and the start-mode
// import): config is shown at item, kNoItem while it is not shown. True when
// at least one named code came from a barcode assignment. A device type
// that cannot be read fails the import; what the device types before it
// brought stays.
bool ImportDeviceTypesFromSap(const SapContext& context, SapTables& tables,
                              CConfigTreeElement& config, TreeView& view, TreeItem item,
                              SapConnection& connection, CTreeList& list);

// One device type whose tables are loaded: its named codes into config
// (shown below item when that is not kNoItem), its system barcodes into list,
// config renamed after it and marked as coming from SAP. Returns the number
// of named codes that came from a barcode assignment.
int ImportLoadedDeviceType(const SapTables& tables, const SapDeviceType& deviceType,
                           CConfigTreeElement& config, TreeView& view, TreeItem item,
                           CTreeList& list);

// A system barcode row as a definition: numbers decimal, sizes with a
// decimal comma or point, check digit and vertical alignment set when their
// field is not blank, texts trimmed and cut to their SAP lengths.
std::unique_ptr<CNamedCodeDefinitionTreeElement>
SystemBarcodeFromRow(const CSAPGenericTable& systemBarcodes, unsigned row);

// A print control row as a named code called name, or null when its kind or
// value carries no barcode command. The named code is marked as from SAP.
std::unique_ptr<CNamedCodeTreeElement>
NamedCodeFromPrintControl(const CSAPGenericTable& printControls, unsigned row,
                          const std::string& name);
