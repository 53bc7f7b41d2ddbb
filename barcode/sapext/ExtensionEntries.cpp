// The extension entries a print program reaches through its look-ups of
// BarcodeInit, BarcodePrint and BarcodeVInfo. Each forwards to the
// redirected library's entry of the same purpose; without one, it serves
// this library's own, so the host always keeps printing.
#include "barcode.h"

#include "api/ExportBarrier.h"
#include "sapext/Redirection.h"

RedirectedLibrary& Redirection() {
    static RedirectedLibrary library;
    return library;
}

extern "C" {

// Nothing to set up beyond what BarcodeInit does.
int __stdcall ExtensionInit(void) {
    return 1;
}

// No host requests are known that need processing here.
int __stdcall ExtensionProc(void) {
    return 0;
}

// The redirected library is another's code: whatever it throws stops here.
int __stdcall ExtensionBarcodeInit(char* text, int size) {
    return GuardedExport("ExtensionBarcodeInit", nullptr, 0, [&] {
        BarcodeInitEntry target = Redirection().barcodeInit;
        return target != nullptr ? target(text, size) : BarcodeInit(text, size);
    });
}

int __stdcall ExtensionBarcodePrint(HDC hdc, BarcodeRequest* request) {
    return GuardedExport("ExtensionBarcodePrint", request, 0, [&] {
        BarcodePrintEntry target = Redirection().barcodePrint;
        return target != nullptr ? target(hdc, request) : BarcodePrint(hdc, request);
    });
}

int __stdcall ExtensionBarcodeVInfo(const VersionInfo** info) {
    BarcodeVInfoEntry target = Redirection().barcodeVInfo;
    if (target != nullptr)
        return GuardedExport("ExtensionBarcodeVInfo", nullptr, 0, [&] { return target(info); });
    // The record of this library as an extension: no features of its own.
    static const VersionInfo extensionVersion{2, "4.2.4", 7946, 0};
    if (info == nullptr) return 0;
    *info = &extensionVersion;
    return 1;
}

} // extern "C"
