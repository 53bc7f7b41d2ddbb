// Stand-ins for the SAP import until the SAP side is built: nothing is
// imported, so the import fails and the caller keeps its tree.
#include "SapHooks.h"

bool ImportDeviceTypesIntoConfiguration(CConfigTreeElement&, TreeView&, TreeItem, SapConnection&,
                                        CTreeList&) {
    return false;
}
