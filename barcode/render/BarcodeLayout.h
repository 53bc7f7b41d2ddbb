// The step after the option loop: preparation, layout and drawing of one
// symbol on the drawing surface.
#pragma once

#include "api/BarcodeRecords.h"
#include "command/BarcodeParams.h"
#include "command/CommandOptions.h"
#include "pipeline/RequestErrorSink.h"
#include "render/CbcHDC.h"

// Prepares the parsed request and draws its symbol. Works on the frame's
// copy of the request (device units, MM_TEXT). Returns true when the symbol
// was drawn; false after reporting why not.
bool PrepareAndDrawBarcode(CbcHDC& surface, BarcodeRequest& request, BarcodeParams& params,
                           CommandOptions& options, RequestErrorSink& errors);
