// The option keys of the command language and what each one reads. Keys are
// language-neutral catalog texts of module 501, read at every comparison; a
// key matches when the command continues with its first n characters.
#pragma once

#include "api/BarcodeRecords.h"
#include "command/BarcodeParams.h"
#include "command/CommandOptions.h"
#include "command/OptionCursor.h"
#include "pipeline/RequestErrorSink.h"

#include <cstdint>
#include <span>

// What the option loop works on while it reads one command.
struct OptionLoop {
    OptionCursor cursor;
    const char* command; // the whole command, for messages
    BarcodeRequest& request;
    BarcodeParams& params;
    CommandOptions& options;
    RequestErrorSink& errors;
    const char* dataStart = nullptr; // behind "D=" or "d=" once found
};

enum class OptionStep {
    kNext,   // look for the next option
    kData,   // a data option ends the loop
    kFailed, // an error was reported; the request ends
};

struct OptionRow {
    const char* (*key)();            // the key's catalog text
    int32_t compareLength;           // characters compared; 0: the whole key text
    bool readsOwnSeparator;          // false: one comma after the value is skipped
    OptionStep (*read)(OptionLoop&); // reads and stores the value
};

// The rows in the order they are tried; the first match is taken.
std::span<const OptionRow> OptionRows();
