// The value words of the Data Matrix and QR Code options ("DME=C40",
// "DMF=16X48", the QR mode and level words). The words are language-neutral
// catalog texts and compare exactly, case included. Each lookup gives true
// and the word's value for a known word, else false and the fall-back value
// (the one the symbol uses when nothing is asked for).
#pragma once

#include <cstdint>

inline constexpr int32_t kDataMatrixAutoEncodation = 5;
inline constexpr int32_t kDataMatrixAutoSize = -1;
inline constexpr int32_t kQrAutomaticMode = 4;
inline constexpr int32_t kQrLevelL = 0;

// "AUTO" 5, "ASCII" 0, "C40" 1, "TEXT" 2, "BASE256" 3, "NONE" 4; fall-back 5.
bool ParseDataMatrixEncodation(const char* word, int32_t& value);
// "AUTO" -1, the 24 square sizes "10X10" to "144X144" 0 to 23, the six
// rectangles "8X18" to "16X48" 24 to 29; fall-back -1.
bool ParseDataMatrixSize(const char* word, int32_t& value);
// Automatic 4, alphanumeric 0, byte 1, numeric 2, Kanji 3; fall-back 4.
bool ParseQrMode(const char* word, int32_t& value);
// L 0, M 1, Q 2, H 3; fall-back 0.
bool ParseQrEcLevel(const char* word, int32_t& value);
