// The barcode library a print program asked for when this library stands in
// for it, and the entries resolved from it. Until a redirected library is
// loaded every entry is null and the extension entries serve this library.
#pragma once

#include "barcode.h"

using BarcodeInitEntry = int(__stdcall*)(char*, int);
using BarcodePrintEntry = int(__stdcall*)(HDC, BarcodeRequest*);
using BarcodeVInfoEntry = int(__stdcall*)(const VersionInfo**);

struct RedirectedLibrary {
    HMODULE module = nullptr;
    BarcodeInitEntry barcodeInit = nullptr;
    BarcodePrintEntry barcodePrint = nullptr;
    BarcodeVInfoEntry barcodeVInfo = nullptr;
    BarcodeInitEntry extensionBarcodeInit = nullptr;
    BarcodePrintEntry extensionBarcodePrint = nullptr;
    BarcodeVInfoEntry extensionBarcodeVInfo = nullptr;
    // 0 while no usable library is loaded; 4 answers the host's entry
    // look-ups with this library's extension entries.
    int state = 0;
};

// The process's redirection; process-wide, since a print program loads its
// barcode library once, from one thread.
RedirectedLibrary& Redirection();
