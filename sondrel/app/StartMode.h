// How the test program starts, as the user chose it in the start dialog.
#pragma once

enum StartMode : int {
    kImportFromSap = 0,     // "Import existing devices type from SAP"
    kPredefinedValues = 1,  // "Start with predefined values"
    kCompatibilityMode = 2, // the main dialog works without the configuration tree
};
