// What the configuration tree's nodes ask of the dialog around the tree:
// the main dialog "Configure Barcodes" implements it. The nodes hand over
// plain values and the dialog does the showing, so the rules stay testable
// and the dialog side stays thin.
#pragma once

#include <string>

class CNamedCodeTreeElement;
class CNamedCodeDefinitionTreeElement;

// A message box of the tree: its text and caption (an OK box with the stop
// icon).
struct TreeMessage {
    std::string text, caption;
    bool operator==(const TreeMessage&) const = default;
};

class TreeHost {
  public:
    virtual ~TreeHost() = default;

    // A named code was selected. The dialog keeps what it shows in a
    // CShownNamedCode: when Show(node) says the node is not the one shown,
    // it loads the node's current command into its settings
    // (LoadFromCommandString), sets its title to Title(), re-applies the
    // enabling by type and refreshes, storing its command back with
    // StoreCommand.
    virtual void ShowNamedCode(CNamedCodeTreeElement& node) = 0;

    // "Properties" of a system barcode definition: the dialog
    // CSystemBarcodeDialog, filled from the definition; OK copies every field
    // but the name back.
    virtual void EditDefinition(CNamedCodeDefinitionTreeElement& definition) = 0;

    virtual void ShowMessage(const TreeMessage& message) = 0;
};
