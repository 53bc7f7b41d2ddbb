// Stand-ins for barcode DLLs that Sondrel may meet at a site: one source,
// built with different definitions into one module per kind of DLL.
//
//   FAKE_OLD_ENTRY     only the print entry of old DLLs (PrintBarcode)
//   FAKE_PRINT         BarcodePrint: marks the request with 1000 + level and
//                      returns 1, or 0 with an errorText for a command "FAIL"
//   FAKE_INIT=<result> BarcodeInit returning <result>, with a report that
//                      tells what the caller handed over
//   FAKE_VINFO=<result> BarcodeVInfo returning <result>
//   FAKE_LEVEL=<n>     the interface level in the version record
//
// Every kind also has BarcodeVersion and BarcodeReadDefaults when it has
// BarcodePrint. Without any definition the module has none of the entries.
#include "barcode.h"

#include <cstdio>
#include <cstring>

#ifdef _WIN32
#define FAKE_EXPORT extern "C" __declspec(dllexport)
#else
#define FAKE_EXPORT extern "C" __attribute__((visibility("default")))
#endif

#ifndef FAKE_LEVEL
#define FAKE_LEVEL 2
#endif
#define FAKE_STRING2(x) #x
#define FAKE_STRING(x) FAKE_STRING2(x)

#ifdef FAKE_OLD_ENTRY
FAKE_EXPORT int __stdcall PrintBarcode(HDC, void*) {
    return 1;
}
#endif

#ifdef FAKE_PRINT
FAKE_EXPORT int __stdcall BarcodePrint(HDC, BarcodeRequest* request) {
    if (request == nullptr) return 0;
    request->symbologyId = 1000 + FAKE_LEVEL;
    if (request->command != nullptr && std::strncmp(request->command, "FAIL", 4) == 0) {
        request->errorText = "fake barcode DLL: refused";
        return 0;
    }
    request->errorText = "";
    return 1;
}

FAKE_EXPORT int __stdcall BarcodeVersion(char* buffer, int size) {
    if (buffer != nullptr && size > 0) std::strncpy(buffer, "fake-" FAKE_STRING(FAKE_LEVEL), size);
    return 0;
}

FAKE_EXPORT int __stdcall BarcodeReadDefaults(int) {
    return 0;
}
#endif

#ifdef FAKE_INIT
FAKE_EXPORT int __stdcall BarcodeInit(char* text, int size) {
    if (text == nullptr || size <= 0) return FAKE_INIT;
    bool noTime = std::strcmp(text, "NoTime") == 0;
    std::snprintf(text, static_cast<size_t>(size), "fake barcode DLL %d: buffer %d%s", FAKE_LEVEL,
                  size, noTime ? ", NoTime" : "");
    return FAKE_INIT;
}
#endif

#ifdef FAKE_VINFO
FAKE_EXPORT int __stdcall BarcodeVInfo(const VersionInfo** info) {
    static const VersionInfo record = {FAKE_LEVEL, "fake", 1, 0xFFFFFFFFu};
    if (info != nullptr) *info = &record;
    return FAKE_VINFO;
}
#endif

// Every module exports something, so that it is a library of its own kind.
FAKE_EXPORT int FakeBarcodeLevel() {
    return FAKE_LEVEL;
}
