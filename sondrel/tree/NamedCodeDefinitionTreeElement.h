// A system barcode definition of an SAP system: a barcode type a device type
// knows, with its size and options. The definitions view lists them; the
// property dialog CSystemBarcodeDialog edits them.
#pragma once

#include "TreeElement.h"

#include <string>

class CNamedCodeDefinitionTreeElement : public CTreeElement {
  public:
    CNamedCodeDefinitionTreeElement();

    void ShowContextMenu(TreeView& view, TreePoint point) override;
    void ShowProperties(TreeHost& host) override { host.EditDefinition(*this); }
    bool ValidateName(const std::string& text, std::string& reason) const override;
    void UpdateImages(TreeView& view) override;

    // Every field, with its value before an import or the predefined table
    // fills it.
    bool defined = false;
    std::string description = "a Barcode";
    std::string sapBarcodeType = "UNDEF";
    int checkDigit = 0;
    double height = 2.0;
    std::string heightUnit = "CM";
    double width = 5.0;
    std::string widthUnit = "CM";
    int minCharacters = 1, maxCharacters = 20;
    int verticalAlignment = 0;
    std::string rotation = "0";
};
