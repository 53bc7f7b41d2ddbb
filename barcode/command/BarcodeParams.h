// The parsed request: what the option loop read from a command, on top of
// the starting values from the request and the defaults. Zero-filled at the
// start of every request, owned by the print frame for that request, and
// read by the layout and the symbologies.
#pragma once

#include <cstddef>
#include <cstdint>

inline constexpr size_t kSpecialCodeCount = 5;    // internal codes 128 to 132
inline constexpr size_t kSpecialCodeTextSize = 8; // at most 7 characters and the NUL

struct BarcodeParams {
    int32_t rotation;    // quarter turns, 0 to 3
    int32_t pdfSecurity; // PDF417 error correction level
    int32_t pdfRows;     // 0: automatic
    int32_t pdfColumns;  // 0: automatic
    int32_t spaceAdjust; // ADS, extra dots for gaps
    int32_t barAdjust;   // ADB, extra dots for bars
    int32_t emValue;     // EM; read by nobody else
    int32_t ratio;       // wide-to-narrow ratio in tenths
    int32_t dmEncodation;
    int32_t dmFormat;
    int32_t dmControlChar;
    int32_t dmMargin;
    int32_t qrMode;
    int32_t qrVersion; // 0: automatic
    int32_t qrEccLevel;
    int32_t qrFnc1Mode; // 0 none, 1 first position, 2 second position
    int32_t qrKanji;
    const char* rendererErrorText; // set by the symbol glue after a failed symbol
    int32_t widthGiven;            // 1 after "B="
    int32_t heightGiven;           // 1 after "H="
    int32_t moduleWidthGiven;      // 1 after "S1="
    int32_t umlautMapping;         // German character mapping when non-zero
    int32_t backslashEscapes;      // escape decoding when above 0
    int32_t bitmapMode;            // 1 for BarcodePrintCB
    int32_t maxiSecondaryPresent;  // a secondary MaxiCode field was given
    // The MaxiCode shipment fields, filled with strncpy semantics: a value as
    // long as the field is not terminated; the MaxiCode encoder checks them.
    char maxiPostalCode[11];
    char maxiCountryCode[4];
    char maxiServiceClass[4];
    char maxiTrackingNumber[12];
    char maxiShipperNumber[7];
    char maxiPickupDay[4];
    char maxiShipmentId[31];
    char maxiPackageNumber[4];
    char maxiPackageCount[4];
    char maxiPackageWeight[6]; // pounds
    char maxiAddressValidation[2];
    char maxiAddress[36];
    char maxiCity[36];
    char maxiState[3];
    // Entry i stands in the data for the internal code 128 + i (SHIFT, FNC1,
    // FNC3, FNC2, FNC4); an empty text disables the replacement.
    char specialCodeText[kSpecialCodeCount][kSpecialCodeTextSize];
    int32_t bitmapDpiX;
    int32_t bitmapDpiY;
    int32_t idleOption; // read by nobody else
    int32_t placement;  // anchor code 0 to 24
};
