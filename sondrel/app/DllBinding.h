// The barcode DLL and the SAP RFC library as Sondrel binds them at start:
// where they were found, the entries the program calls, and the checks that
// decide whether test barcodes can be drawn at all.
#pragma once

#include "LibrarySearch.h"
#include "RfcBinding.h"
#include "barcode.h"
#include "win32api.h"

// The entries of the barcode DLL the program calls, with the exact types of
// the library's exports.
using PrintEntry = decltype(&BarcodePrint);
using InitEntry = decltype(&BarcodeInit);
using ReadDefaultsEntry = decltype(&BarcodeReadDefaults);
using VersionTextEntry = decltype(&BarcodeVersion);
using VersionInfoEntry = decltype(&BarcodeVInfo);

inline constexpr size_t kDllLocationSize = 200;
inline constexpr size_t kVersionTextSize = 100;
inline constexpr size_t kInitMessageSize = 2000;

// Process-wide, from start-up to exit.
struct SondrelLibraries {
    HMODULE barcodeDll = nullptr;             // a value of 32 or less: not loaded
    char location[kDllLocationSize] = {};     // path the DLL was loaded from ("Storage location")
    PrintEntry printEntry = nullptr;          // null: test barcodes cannot be drawn
    ReadDefaultsEntry readDefaults = nullptr; // called with 0 after the defaults were saved
    char versionText[kVersionTextSize] = {};  // printed in the test-print footer
    char initMessage[kInitMessageSize] = {};  // the DLL's init report
    const VersionInfo* versionInfo = nullptr; // owned by the DLL
    HMODULE rfcLibrary = nullptr;             // a value of 32 or less: not loaded
    RfcEntries rfc;
    bool rfcReady = false; // loaded and all 12 entries found
};

SondrelLibraries& Libraries();

// Finds, loads and checks the barcode DLL, then the RFC library, and tells
// the user in message boxes what is wrong with the DLL. Afterwards the print
// entry is bound only when the DLL initialised and has a usable interface
// level.
void BindBarcodeDll();

// Frees the barcode DLL, when one is loaded, and forgets it and its entries.
void ReleaseBarcodeDll();

// Draws one test barcode through the DLL: the print entry's result (1 drawn),
// or 0 without calling anything when no print entry is bound.
int CallPrintEntry(HDC hdc, BarcodeRequest* request);
