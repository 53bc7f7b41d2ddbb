// The frame around one print request: saves and restores the device context,
// checks the mapping mode, works on a private copy of the caller's request,
// runs the option loop and the drawing, and turns every failure into one
// error text for the caller.
#pragma once

#include "api/BarcodeRecords.h"
#include "command/BarcodeParams.h"
#include "command/CommandOptions.h"
#include "defaults/DefaultSettings.h"
#include "pipeline/RequestErrorSink.h"
#include "render/CbcHDC.h"

#include <cstdint>

// What the frame runs after a successful option loop. The print exports use
// PrepareAndDrawBarcode; tests put a recorder in its place.
using DrawStage = bool (*)(CbcHDC& surface, BarcodeRequest& request, BarcodeParams& params,
                           CommandOptions& options, RequestErrorSink& errors);

// The four values a print export hands through to the drawing.
struct PrintMode {
    int32_t extension = 0;  // set by BarcodePrintExt; read by nobody
    int32_t bitmapMode = 0; // 1: BarcodePrintCB draws into a clipboard bitmap
    int32_t bitmapDpiX = 0;
    int32_t bitmapDpiY = 0;
};

// command holds commandLength bytes and a NUL behind them. Returns 1 when the
// symbol was drawn, 0 when not; request.errorText then says why.
int DoBarcodePrint(CbcHDC& surface, const DefaultSettings& defaults, const char* command,
                   int32_t commandLength, BarcodeRequest& request, const PrintMode& mode,
                   DrawStage draw);

// Forgets the resolution last logged, so that the next request logs it again.
void ResetResolutionLogForTesting();
