// The twelve entries of SAP's RFC client library that the SAP functions of
// Sondrel call, bound at run time by the names the catalog gives them
// (module 203, texts 3 to 14), so that the program runs without the library
// and binds the real one on a customer's machine.
#pragma once

#include "win32api.h"

#include <cstddef>
#include <cstdint>

// The library's own handles: a connection is a number, an internal table an
// opaque pointer.
using RfcHandle = unsigned int;
using RfcTableHandle = void*;

// Records the calls pass by address; their layout belongs to the SAP side.
struct RfcParameter;
struct RfcTable;

// The last error of the library (545 bytes, all text).
struct RfcErrorInfo {
    char key[33];
    char status[128];
    char message[256];
    char internalStatus[128];
};
static_assert(sizeof(RfcErrorInfo) == 545);

// The error a failed open reports.
struct RfcErrorInfoEx {
    int32_t group;
    char key[33];
    char message[512];
};

// What the library is told of its environment: first of all the handler it
// calls on every error.
using RfcErrorHandler = void(__stdcall*)(char* key);
struct RfcEnvironment {
    RfcErrorHandler errorHandler;
    void* (*allocate)(void* pointer, size_t size);
};

// The entries in the order of their catalog texts (203, 3) to (203, 14).
using RfcCloseEntry = void(__stdcall*)(RfcHandle connection);
using RfcCallReceiveEntry = int(__stdcall*)(RfcHandle connection, const char* functionName,
                                            RfcParameter* exporting, RfcParameter* importing,
                                            RfcTable* tables, char** exception);
using RfcLastErrorEntry = int(__stdcall*)(RfcErrorInfo* error);
using RfcEnvironmentEntry = void(__stdcall*)(RfcEnvironment* environment);
using RfcOpenExEntry = RfcHandle(__stdcall*)(const char* options, RfcErrorInfoEx* error);
using RfcConvertBcdToCharEntry = int(__stdcall*)(const void* value, unsigned valueLength,
                                                 int decimals, char* text, unsigned textLength);
using ItDeleteEntry = int(__stdcall*)(RfcTableHandle table);
using ItGetLineEntry = void*(__stdcall*)(RfcTableHandle table, unsigned line);
using ItFillEntry = unsigned(__stdcall*)(RfcTableHandle table);
using ItCreateEntry = RfcTableHandle(__stdcall*)(const char* name, unsigned lineLength,
                                                 unsigned occurs, unsigned memory);
using ItLengEntry = unsigned(__stdcall*)(RfcTableHandle table);
using ItAppLineEntry = void*(__stdcall*)(RfcTableHandle table);

struct RfcEntries {
    RfcCloseEntry close = nullptr;                    // (203, 3)
    RfcCallReceiveEntry callReceive = nullptr;        // (203, 4)
    RfcLastErrorEntry lastError = nullptr;            // (203, 5)
    RfcEnvironmentEntry installEnvironment = nullptr; // (203, 6)
    RfcOpenExEntry open = nullptr;                    // (203, 7)
    RfcConvertBcdToCharEntry convertToText = nullptr; // (203, 8)
    ItDeleteEntry freeTable = nullptr;                // (203, 9)
    ItGetLineEntry line = nullptr;                    // (203, 10)
    ItFillEntry lineCount = nullptr;                  // (203, 11)
    ItCreateEntry createTable = nullptr;              // (203, 12)
    ItLengEntry lineLength = nullptr;                 // (203, 13)
    ItAppLineEntry appendLine = nullptr;              // (203, 14)
};

// Looks the twelve entries up in a loaded RFC library, in catalog order.
// True when all of them exist; otherwise every entry is left null (the SAP
// functions never call into half a library) and the first missing name is
// written to the log at level 1.
bool BindRfcEntries(HMODULE library, RfcEntries& entries);

// Finds and loads the RFC library (file name (203, 1), profile key
// (203, 36)). Returns the module handle; a value of 32 or less means it was
// found nowhere, which is written to the log at level 11.
HMODULE LoadRfcLibrary();
