// A system barcode definition's operations.
#include "NamedCodeDefinitionTreeElement.h"

#include "TreeImages.h"
#include "catalog/Translate.h"
#include "resource.h"

CNamedCodeDefinitionTreeElement::CNamedCodeDefinitionTreeElement() {
    SetImages(kDefinitionImage, kDefinitionImage);
}

void CNamedCodeDefinitionTreeElement::ShowContextMenu(TreeView& view, TreePoint point) {
    view.ShowMenu(IDR_MENU_DEFINITION, point);
}

bool CNamedCodeDefinitionTreeElement::ValidateName(const std::string& text,
                                                   std::string& reason) const {
    return ValidateNameWithLimit(text, GetText(204, 2, false), reason);
}

void CNamedCodeDefinitionTreeElement::UpdateImages(TreeView& view) {
    ShowImages(view, kDefinitionImage);
}
