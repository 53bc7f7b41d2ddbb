// Formatting of request errors.
#include "pipeline/RequestErrorSink.h"

#include <cstdarg>
#include <cstdio>

void ReportRequestError(RequestErrorSink& sink, int32_t flag, const char* format, ...) {
    char message[kErrorMessageBufferSize] = {};
    if (format != nullptr) {
        va_list arguments;
        va_start(arguments, format);
        std::vsnprintf(message, sizeof message, format, arguments);
        va_end(arguments);
    }
    sink.Report(flag, message);
}
