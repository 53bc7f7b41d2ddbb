// The three SAP tables an import and an export read, cached for the run:
// the system barcodes (202, 5), the barcode assignments (202, 6) and the
// print controls (202, 7) of a device type.
#pragma once

#include "SapGenericTable.h"

struct SapTables {
    CSAPGenericTable systemBarcodes, assignments, printControls;
    SapTables();
    // Makes the three hold the device type's data (system barcodes without
    // selection, the others selected by the device type); false when one of
    // them cannot, with the error text in the session's connection record.
    bool LoadFor(CRfcSession& session, const std::string& deviceType);
};
