// The values a request starts from before its options are read: the
// caller's request where it sets them, else the defaults.
#pragma once

#include "api/BarcodeRecords.h"
#include "command/BarcodeParams.h"
#include "command/CommandOptions.h"
#include "defaults/DefaultSettings.h"

// The bitmap of BarcodePrintCB (mode 0: draw on the device context).
struct BitmapTarget {
    int32_t mode = 0;
    int32_t dpiX = 0;
    int32_t dpiY = 0;
};

// Fills the working fields of the request copy (type, height, width, check
// digit, annotation, narrow bar), BarcodeParams and the command options.
// deviceDpiX converts the default width and height from millimetres.
void FillStartingValues(const DefaultSettings& defaults, int32_t deviceDpiX,
                        const BitmapTarget& bitmap, BarcodeRequest& request, BarcodeParams& params,
                        CommandOptions& options);
