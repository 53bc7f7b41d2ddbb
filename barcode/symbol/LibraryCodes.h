// The symbol library's own numbers of the symbologies, mapped from the
// barcode type ids of the type table.
#pragma once

#include <cstdint>

struct LibraryCodeOfType {
    int32_t libraryCode = 0; // 0: the type has no symbol in the library
    int32_t addOnDigits = 0; // EAN/UPC add-on: 0, 2 or 5
};

// The library code and add-on of a type id (1..52); libraryCode 0 otherwise.
LibraryCodeOfType MapTypeToLibraryCode(int32_t typeId);

// True for the codes the library draws: 1 to 28 and 80 to 90.
bool IsSupported(int32_t libraryCode);

// Library codes outside the linear family.
inline constexpr int32_t kLibPdf417 = 16;
inline constexpr int32_t kLibCode49 = 22;
inline constexpr int32_t kLibCode16kAuto = 23;
inline constexpr int32_t kLibCode16kC = 26;
inline constexpr int32_t kLibMaxiCode = 27;
inline constexpr int32_t kLibQrCode = 28;
inline constexpr int32_t kLibDataMatrix = 86;
inline constexpr int32_t kLibPdf417Truncated = 87;
inline constexpr int32_t kLibMicroPdf417 = 88;

// True for the stacked and two-dimensional symbologies.
bool IsTwoDimensional(int32_t libraryCode);
