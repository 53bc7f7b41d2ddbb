// The last line of defence at every export.
#include "api/ExportBarrier.h"

#include "catalog/Translate.h"
#include "log/Log.h"
#include "pipeline/ErrorTextStore.h"
#include "pipeline/FaultText.h"
#include "pipeline/RequestErrorSink.h"

int ReportEscapedFault(const char* entry, BarcodeRequest* request, int failureResult) noexcept {
    // The thread's error text lives in static storage: no allocation here.
    char* text = ThreadErrorText();
    FormatCaughtFault(text, kErrorMessageBufferSize, entry);
    try {
        if (LogWillWrite(1)) LogWrite(1, GetText(501, 115, false), text);
    } catch (...) {
        // The log is a convenience; the caller still gets the message.
    }
    if (request != nullptr) request->errorText = text;
    return failureResult;
}
