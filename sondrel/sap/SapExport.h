// The export of the configuration tree to SAP (button "Export to SAP"): the
// connection test, the device types, the target system, the count of
// changes and the question, the export lines of every configuration that
// takes part, sent in one write, and the result.
#pragma once

#include "ConfigTreeElement.h"
#include "SapOperations.h"
#include "SapTables.h"
#include "TreeList.h"
#include "TreeView.h"

#include <string>
#include <vector>

// The whole export. True when lines were sent and SAP wrote them; the
// exported configurations are then marked exported and the images updated.
bool ExportToSap(const SapContext& context, SapTables& tables, SapConnection& connection,
                 CTreeList& list, TreeView& view);

// "s" when count is not 1.
const char* PluralEnding(int count);

// The counts of every configuration of the list (CountChanges).
SapChangeCounts CountSapChanges(const CTreeList& list);

// The question of step 5: (201, 12), then (201, 13) or the lines (201, 14)
// to (201, 16) of the counts above 0, then (201, 190).
std::string ExportQuestion(const SapChangeCounts& counts);

// The configurations that take part: marked for export and, when any
// configuration marked for export has changes for SAP, changed themselves.
std::vector<CConfigTreeElement*> ConfigurationsToExport(const CTreeList& list);

// The header lines of a new device type (CREATE, TEXT, DRIVER, CODEPAGE,
// BASE): (202, 38) to (202, 42).
void AppendNewDeviceTypeLines(const CConfigTreeElement& config, std::vector<std::string>& lines);

// DEVTYPE and CLEAR ((202, 70), (202, 71)), each named code's two lines,
// then each "off" control the named codes name (in their kind) that none of
// them is: as the device type's print controls hold it (a control of kind
// 5 there, since CLEAR removes those), else as a plain "b".
void AppendDeviceTypeLines(const CConfigTreeElement& config, const CSAPGenericTable& printControls,
                           std::vector<std::string>& lines);

// Why a named code cannot go to SAP as it is (its value is longer than a
// print control holds, or holds a byte outside printable ASCII), empty
// when it can.
std::string NamedCodeExportProblem(const CConfigTreeElement& config,
                                   const CNamedCodeTreeElement& code);
