// The print worker: every print export ends here. It writes the enter and
// leave lines of the log, runs the set-up on a process's first request,
// collects commands that arrive in pieces, and runs the frame.
#pragma once

#include "api/BarcodeRecords.h"
#include "pipeline/PrintFrame.h"

#include <cstddef>

// A command, whole or assembled from pieces, holds at most this many bytes:
// far above what any symbol takes (2000 data bytes, even written as
// four-byte escapes, and the options), so only a host that never sends its
// last piece, or that miscounts its command, reaches it. Such a command is
// refused with a message and dropped.
inline constexpr size_t kMaxCommandBytes = 65536;

// True when the bytes hold a NUL or a data option ("D=" or "d=" opening them
// or behind a comma): the options then end within them, and the worker reads
// nothing behind them. Otherwise the command's length may end inside its
// options, and the caller's text is read on to its terminator.
bool LengthCoversOptions(const char* bytes, size_t count);

// Returns 1 when the symbol was drawn or a piece of a longer command was
// taken, 0 on failure with the reason in request->errorText.
int RunPrintRequest(HDC hdc, BarcodeRequest* request, const PrintMode& mode);
// The same with another drawing stage (tests).
int RunPrintRequest(HDC hdc, BarcodeRequest* request, const PrintMode& mode, DrawStage draw);

// The continuation protocol is off until a command starting with "%" arrives.
bool IsContinuationModeOn();
void ResetContinuationModeForTesting();
