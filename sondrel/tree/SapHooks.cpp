// The tree's import runs on the SAP side installed here; without one nothing
// is imported, so the import fails and the caller keeps its tree.
#include "SapHooks.h"

namespace {
SapTreeSide* installedSide = nullptr;
}

void SetSapTreeSide(SapTreeSide* side) { installedSide = side; }

bool ImportDeviceTypesIntoConfiguration(CConfigTreeElement& config, TreeView& view, TreeItem item,
                                        SapConnection& connection, CTreeList& list) {
    return installedSide != nullptr &&
           installedSide->ImportDeviceTypes(config, view, item, connection, list);
}
