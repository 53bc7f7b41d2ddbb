// Where the errors of one print request go. The command parser, the layout
// and the symbol glue report every failure here; the print frame implements
// the sink: it logs the message ("***Error: %s"), writes it onto the device
// when the profile asks for it, keeps the flag for the request's result and
// points the caller's errorText at the message. Tests implement it to record
// what was reported.
#pragma once

#include "log/Log.h" // BC_PRINTF_FORMAT

#include <cstddef>
#include <cstdint>

// The error flags of a request. The first set flag, in the frame's order,
// picks the fall-back text when no message was reported.
enum RequestErrorFlag : int32_t {
    kErrorNonPrintableData = 0x01,
    kErrorDataLength = 0x02,
    kErrorUnknownBarcode = 0x04,
    kErrorUnknownOption = 0x08,
    kErrorInvalidSubcode = 0x10,
    kErrorEvenDigitsRequired = 0x20,
    kErrorInternal = 0x40,
    kErrorSymbolRefused = 0x80,
};

// A message is formatted into this many bytes, terminator included.
inline constexpr size_t kErrorMessageBufferSize = 2000;

class RequestErrorSink {
  public:
    virtual ~RequestErrorSink() = default;
    // One error of the request: its flag and its formatted message (at most
    // 1999 characters, without a trailing line feed).
    virtual void Report(int32_t flag, const char* message) = 0;
};

// Formats a message with printf semantics, cut to 1999 characters, and
// reports it with the flag. A null format reports an empty message.
void ReportRequestError(RequestErrorSink& sink, int32_t flag, const char* format, ...)
    BC_PRINTF_FORMAT(3, 4);
