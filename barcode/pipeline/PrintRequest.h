// The print worker: every print export ends here. It writes the enter and
// leave lines of the log, runs the set-up on a process's first request,
// collects commands that arrive in pieces, and runs the frame.
#pragma once

#include "api/BarcodeRecords.h"
#include "pipeline/PrintFrame.h"

// Returns 1 when the symbol was drawn or a piece of a longer command was
// taken, 0 on failure with the reason in request->errorText.
int RunPrintRequest(HDC hdc, BarcodeRequest* request, const PrintMode& mode);
// The same with another drawing stage (tests).
int RunPrintRequest(HDC hdc, BarcodeRequest* request, const PrintMode& mode, DrawStage draw);

// The continuation protocol is off until a command starting with "%" arrives.
bool IsContinuationModeOn();
void ResetContinuationModeForTesting();
