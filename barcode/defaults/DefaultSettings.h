// The in-memory defaults: every value that neither the caller's request nor
// the command supplies. Built-in values < the profile (ReadDefaults) <
// BarcodeSetDefaults (SetDefaults, until the next read).
#pragma once

#include "api/BarcodeRecords.h"
#include "command/BarcodeParams.h" // the special code texts' sizes
#include "command/OptionWords.h"

#include <cstdint>

inline constexpr size_t kDefaultTypeTextSize = 300;

struct DefaultSettings {
    int32_t moduleWidth = 6; // S1, dots at the reference resolution
    int32_t checkDigit = 1;  // P (older PZ)
    int32_t annotation = 1;  // A (older BS)
    int32_t widthMm = 50;    // B
    int32_t heightMm = 20;   // H
    int32_t pdfSecurity = 2; // SEC
    int32_t spaceAdjust = 0; // ADS, extra dots for gaps
    int32_t barAdjust = 0;   // ADB, extra dots for bars
    int32_t ratio = 20;      // RA, wide-to-narrow in tenths
    int32_t emValue = 0;     // EM
    int32_t ecValue = 0;     // EC, logged only
    int32_t saveDc = 0;      // SaveDC/RestoreDC around every request
    int32_t showErrors = 1;  // errors are also written onto the output
    // The default type as found in the profile: the long name of "C", or
    // the "C" text itself when it is no known code, or "ID".
    char typeText[kDefaultTypeTextSize] = "2 of 5 Industrial";
    int32_t symbologyId = 1; // id of typeText; 0 when it names no type
    int32_t dmEncodation = kDataMatrixAutoEncodation;
    int32_t dmFormat = kDataMatrixAutoSize;
    int32_t dmControlChar = 0;
    int32_t dmMargin = 0;
    int32_t rotation = 0;
    int32_t umlautMapping = 0;
    int32_t backslashEscapes = 1;
    int32_t idleOption = 1;
    int32_t blankTrim = -1;         // -1: the type's own trimming
    int32_t windowOriginOffset = 0; // -1: leave the window origin alone
    int32_t qrMode = kQrAutomaticMode;
    int32_t qrVersion = 0;
    int32_t qrEccLevel = 1;
    int32_t qrFnc1Mode = 0;
    int32_t qrKanji = 1;
    int32_t referenceDpi = 600;
    char specialCodeText[kSpecialCodeCount][kSpecialCodeTextSize] = {};
    int32_t keepCode128CheckDigit = 0; // NCHK128
    int32_t confirm = 0;               // no profile key: the command's confirmation box
};

// The defaults of this process. Process-wide and unguarded: requests are
// serialised by the DLL's mutex.
DefaultSettings& ProcessDefaults();

// The worker of BarcodeSetDefaults: a record of version 2 replaces S1, check
// digit, annotation, width, height, type id, rotation, SEC, ADS, ADB and RA
// and gives 1; any other record (or none) changes nothing and gives 0.
int SetDefaults(const BarcodeDefaults* record);
