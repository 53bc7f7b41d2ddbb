// No exception crosses the library's edge: a print server that loads the
// library must never be taken down by one request. Every export runs its
// body through GuardedExport; whatever escapes the body (the print frame
// catches the faults of a request itself, so this is what is left: faults
// before or after the frame, in the set-up or the defaults) becomes the
// call's failure with the catalog's internal-error message, in the log and,
// for a print call, in the request's errorText. Locks and device state are
// held by objects inside the body, so the unwinding gives them back.
#pragma once

#include "api/BarcodeRecords.h"

#include <utility>

// Reports the exception being handled for the export named entry; returns
// the export's failure result. Call only inside a catch handler.
int ReportEscapedFault(const char* entry, BarcodeRequest* request, int failureResult) noexcept;

template <typename Body>
int GuardedExport(const char* entry, BarcodeRequest* request, int failureResult,
                  Body&& body) noexcept {
    try {
        return std::forward<Body>(body)();
    } catch (...) {
        return ReportEscapedFault(entry, request, failureResult);
    }
}
