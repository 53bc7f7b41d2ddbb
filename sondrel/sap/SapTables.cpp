#include "SapTables.h"

#include "catalog/Translate.h"

SapTables::SapTables()
    : systemBarcodes(GetText(202, 5, true)), assignments(GetText(202, 6, true)),
      printControls(GetText(202, 7, true)) {}

bool SapTables::LoadFor(CRfcSession& session, const std::string& deviceType) {
    return systemBarcodes.Load(session) && assignments.Load(session, {deviceType}) &&
           printControls.Load(session, {deviceType});
}
