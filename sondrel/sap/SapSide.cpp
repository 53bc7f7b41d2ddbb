// The SAP side the main dialog owns.
#include "SapSide.h"

#include "SapExport.h"
#include "SapImport.h"

CSapSide::CSapSide(const RfcEntries& rfc, SapUserInterface& ui)
    : rfc_(rfc), ui_(ui), tables_(std::make_unique<SapTables>()) {
    SetSapTreeSide(this);
}

CSapSide::~CSapSide() {
    SetSapTreeSide(nullptr);
}

bool CSapSide::ImportDeviceTypes(CConfigTreeElement& config, TreeView& view, TreeItem item,
                                 SapConnection& connection, CTreeList& list) {
    return ImportDeviceTypesFromSap(Context(), *tables_, config, view, item, connection, list);
}

bool CSapSide::Export(SapConnection& connection, CTreeList& list, TreeView& view) {
    bool written = ExportToSap(Context(), *tables_, connection, list, view);
    if (written) tables_ = std::make_unique<SapTables>();
    return written;
}
