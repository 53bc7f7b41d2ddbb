// The tree the program starts with: the predefined tree (start mode 1, or
// when the import at start is cancelled) and the tree of an SAP import
// (start mode 0). Names, descriptions and commands come from the catalog
// (module 201).
#pragma once

#include "TreeHost.h"
#include "TreeList.h"

#include <string>

struct SapConnection;

inline constexpr int kPredefinedDefinitionCount = 36;
inline constexpr int kPredefinedNamedCodeCount = 26;

// The catalog entries of predefined named code k (0 to 25) in module 201.
struct PredefinedNamedCodeTexts {
    int name, printControlName, command;
};
PredefinedNamedCodeTexts PredefinedNamedCodeEntries(int k);

// The 36 system barcode definitions, then (201, 1) with the 26 predefined
// named codes (editable, current, marked for export), "Default Values"
// (201, 2) holding one named code (201, 3) with currentCommand, and
// "Predefined" (201, 4) with the 26 named codes again; the last two and
// their named codes read-only.
CTreeList BuildPredefinedTree(const std::string& currentCommand);

// The tree of an SAP import: configuration (201, 189), imported and current,
// receives the import (which also fills the definitions); then "Default
// Values" and "Predefined" as above, their named codes read-only but the two
// configurations not. False, with list unchanged, when the import fails.
bool BuildImportedTree(CTreeList& list, TreeView& view, SapConnection& connection,
                       const std::string& currentCommand);

// The box of a failed import at start (Retry and Cancel, stop icon): (210, 9)
// followed by the RFC layer's error text, caption (210, 10). Retry shows the
// connection dialog again; Cancel builds the predefined tree.
TreeMessage StartImportFailureMessage(const std::string& rfcErrorText);
