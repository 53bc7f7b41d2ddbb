// The exported functions of the library: a thin frame around the print
// worker and the defaults. Names and ordinals are fixed by Barcode.def
// (Windows) and barcode.map (Linux).
#include "barcode.h"

#include "api/BarcodeMutex.h"
#include "api/BarcodeRecords.h"
#include "api/ExportBarrier.h"
#include "api/InitReportCopy.h"
#include "catalog/Translate.h"
#include "defaults/DefaultSettings.h"
#include "defaults/DefaultsReader.h"
#include "log/Log.h"
#include "pipeline/InitReport.h"
#include "pipeline/PrintRequest.h"
#include "sapext/HostHooks.h"

#include <cstring>

namespace {

constexpr char kVersionText[] = "4.2.4";
constexpr int32_t kBuildNumber = 7946;
constexpr size_t kInitReportSize = 2000;
constexpr DWORD kModulePathSize = 1024;

// Loads this library once more by its own path, so that a host's FreeLibrary
// never unloads it while other threads or later calls still need it.
void PinLibrary() {
    HMODULE self = GetModuleHandleA("barcode");
    if (self == nullptr) return;
    char path[kModulePathSize] = {};
    DWORD length = GetModuleFileNameA(self, path, kModulePathSize);
    if (length == 0 || length >= kModulePathSize) return;
    LoadLibraryA(path);
}

} // namespace

extern "C" {

int __stdcall BarcodeInit(char* text, int size) {
    return GuardedExport("BarcodeInit", nullptr, 0, [&] {
        const bool createdMutex = OpenBarcodeMutexOnce();
        CBarcodeLock lock;
        PinLibrary();
        char report[kInitReportSize] = {};
        BuildInitReport(report, sizeof report);
        CopyInitReport(report, text, size, !AsksForNoTimeStamps(text, size));
        InstallPrintProgramHooks();
        LogWrite(9, "init complete, l_wasInit = %d, tid = 0x%lx\n", createdMutex ? 1 : 0,
                 static_cast<unsigned long>(GetCurrentThreadId()));
        return 1;
    });
}

int __stdcall BarcodePrint(HDC hdc, BarcodeRequest* request) {
    return GuardedExport("BarcodePrint", request, 0, [&] {
        CBarcodeLock lock;
        return RunPrintRequest(hdc, request, PrintMode{});
    });
}

int __stdcall BarcodeSetDefaults(const BarcodeDefaults* defaults) {
    return GuardedExport("BarcodeSetDefaults", nullptr, 0, [&] { return SetDefaults(defaults); });
}

int __stdcall BarcodeVersion(char* buffer, int size) {
    if (buffer != nullptr && size > 0)
        std::strncpy(buffer, kVersionText, static_cast<size_t>(size));
    return 0;
}

int __stdcall BarcodeTestPrint(HDC hdc, BarcodeRequest* request) {
    return GuardedExport("BarcodeTestPrint", request, 0,
                         [&] { return RunPrintRequest(hdc, request, PrintMode{}); });
}

int __stdcall BarcodeReadDefaults(int) {
    return GuardedExport("BarcodeReadDefaults", nullptr, 0, [] {
        ReadDefaults(GetText(104, 18, true));
        return 0;
    });
}

int __stdcall BarcodeVInfo(const VersionInfo** info) {
    static const VersionInfo version{2, kVersionText, kBuildNumber, 0xFFFFFFFFu};
    if (info == nullptr) return 0;
    *info = &version;
    return 1;
}

int __stdcall BarcodePrintExt(HDC hdc, BarcodeRequest* request) {
    return GuardedExport("BarcodePrintExt", request, 0, [&] {
        PrintMode mode;
        mode.extension = 1;
        return RunPrintRequest(hdc, request, mode);
    });
}

int __stdcall BarcodePrintCB(HDC hdc, BarcodeRequest* request, int dpiX, int dpiY, int) {
    return GuardedExport("BarcodePrintCB", request, 0, [&] {
        PrintMode mode;
        mode.bitmapMode = 1;
        mode.bitmapDpiX = dpiX;
        mode.bitmapDpiY = dpiY;
        return RunPrintRequest(hdc, request, mode);
    });
}

int __stdcall BarcodePrintNewStructWithPrinterName(HDC hdc, BarcodeRequest* request) {
    return GuardedExport("BarcodePrintNewStructWithPrinterName", request, 0,
                         [&] { return RunPrintRequest(hdc, request, PrintMode{}); });
}

} // extern "C"
