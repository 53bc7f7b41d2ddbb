// The option loop: reads a command's options into the request copy,
// BarcodeParams and the command options (which hold the request's starting
// values already) and finds the data part behind "D=" or "d=".
#pragma once

#include "api/BarcodeRecords.h"
#include "command/BarcodeParams.h"
#include "command/CommandOptions.h"
#include "pipeline/RequestErrorSink.h"

#include <cstdint>

// The options are scanned up to the command's first NUL; the data part runs
// from behind the data option to commandLength bytes from the command's
// start, NUL bytes included, so command must hold at least commandLength
// bytes. Returns false after reporting an error to the sink: an
// unknown option, type or option word, or a commandLength that ends before
// the options do. The request then ends without drawing.
bool ParseCommand(const char* command, int32_t commandLength, BarcodeRequest& request,
                  BarcodeParams& params, CommandOptions& options, RequestErrorSink& errors);
