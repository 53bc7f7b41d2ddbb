// The records that cross the DLL boundary. Their layout is fixed for the
// 32-bit Windows DLL (hosts compiled long ago rely on it); the 64-bit builds
// use the natural layout of the same fields.
#pragma once

#include <cstddef>
#include <cstdint>

// One print request, owned by the caller. The library reads it, works on a
// private copy, and writes back errorText, symbologyId and posY.
struct BarcodeRequest {
    int32_t structVersion; // set by the caller (Sondrel sends 3); read nowhere
    int32_t posX;          // left edge, logical units of the device context
    int32_t posY;          // top edge, same units
    int32_t targetWidth;   // device units; <= 0: default width B
    int32_t targetHeight;  // device units; <= 0: default height H
    const char* command;   // command string, NUL-terminated
    int32_t commandLength; // bytes of the command; the data part ends here
    int32_t checkDigit;    // 1 or 2; anything else: default PZ
    int32_t annotation;    // <= 0: default BS
    int32_t reserved36;    // not read
    int32_t reserved40;    // not read
    int32_t symbologyId;   // in and out: type id; <= 0: default type
    int32_t reserved48;    // not read
    int32_t barWidth1;     // narrow element width; <= 0: default S1
    int32_t barWidth2;     // the wider widths may be filled; not read
    int32_t barWidth3;
    int32_t barWidth4;
    int32_t spaceWidth1; // the same four widths for spaces; not read
    int32_t spaceWidth2;
    int32_t spaceWidth3;
    int32_t spaceWidth4;
    const char* errorText; // out: the text of this call's error, "" after success
};

// The library's version record, static and owned by the library.
struct VersionInfo {
    int32_t structVersion; // 2
    const char* versionText;
    int32_t buildNumber;
    uint32_t featureFlags;
};

// The defaults a host hands to BarcodeSetDefaults; only version 2 is taken.
struct BarcodeDefaults {
    int32_t structVersion; // must be 2
    int32_t moduleWidth;   // S1
    int32_t checkDigit;    // PZ
    int32_t annotation;    // BS
    int32_t widthMm;       // B
    int32_t heightMm;      // H
    int32_t symbologyId;   // default type (C=)
    int32_t unread[8];     // offsets 28 to 56, never read
    int32_t rotation;      // R
    int32_t pdfSecurity;   // SEC
    int32_t spaceAdjust;   // ADS
    int32_t barAdjust;     // ADB
    int32_t ratio;         // RA
};

inline constexpr int32_t kBarcodeDefaultsVersion = 2;

// Every field is 32 bits wide, so this record has its Windows layout in every build.
static_assert(sizeof(BarcodeDefaults) == 80);
static_assert(offsetof(BarcodeDefaults, rotation) == 60);
static_assert(offsetof(BarcodeDefaults, ratio) == 76);

// The records with pointers have the fixed layout in the 32-bit build only.
static_assert(sizeof(void*) != 4 || sizeof(BarcodeRequest) == 88);
static_assert(sizeof(void*) != 4 || offsetof(BarcodeRequest, command) == 20);
static_assert(sizeof(void*) != 4 || offsetof(BarcodeRequest, symbologyId) == 44);
static_assert(sizeof(void*) != 4 || offsetof(BarcodeRequest, barWidth1) == 52);
static_assert(sizeof(void*) != 4 || offsetof(BarcodeRequest, spaceWidth1) == 68);
static_assert(sizeof(void*) != 4 || offsetof(BarcodeRequest, errorText) == 84);
static_assert(sizeof(void*) != 4 || sizeof(VersionInfo) == 16);
