// The values of one request that the option loop reads besides
// BarcodeParams and the request copy: sizes and positions with their units,
// the explicit flags the layout needs, and where the data is.
#pragma once

#include <cstdint>

enum SizeUnit : int32_t {
    kUnitNone = 0, // read as millimetres
    kUnitMillimetre = 1,
    kUnitMil = 2,  // thousandths of an inch
    kUnitDots = 3, // dots at the reference resolution ("px")
};

struct SizeOption {
    int32_t value = 0;
    int32_t unit = kUnitNone;
    bool given = false;
    bool relative = false; // "X=" and "Y=" with a leading sign: added to the position
};

struct CommandOptions {
    SizeOption width;  // "B="
    SizeOption height; // "H="
    SizeOption x;      // "X="
    SizeOption y;      // "Y="
    bool ratioGiven = false;
    bool spaceAdjustGiven = false;
    bool barAdjustGiven = false;
    int32_t wideBarWidth = 0; // dots at the reference resolution
    bool wideBarGiven = false;
    int32_t gapWidth = 0; // narrow gap, dots at the reference resolution
    bool gapGiven = false;
    int32_t referenceDpi = 600;
    int32_t blankTrim = -1; // -1: still the type's own trimming
    int32_t windowOriginOffset = 0;
    int32_t confirm = 0;      // non-zero: show the command in a box first
    bool dataRequired = true; // "D=" needs data, "d=" does not
    // The data part: behind "D=" or "d=" up to the command's length, or an
    // empty text at the command's end when there is no data option.
    const char* data = "";
    int32_t dataLength = 0;
};
