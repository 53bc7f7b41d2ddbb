// ASCII encodation: one codeword per character, two digits in one codeword,
// and bytes above 127 behind an Upper Shift.
#pragma once

#include "symbol/datamatrix/Codewords.h"

#include <cstddef>
#include <cstdint>

namespace datamatrix {

void AppendAsciiCharacter(uint8_t byte, Codewords& codewords);
void AppendDigitPair(uint8_t tens, uint8_t units, Codewords& codewords);

// Whether the bytes at position and position + 1 are both digits.
bool StartsDigitPair(const uint8_t* data, size_t size, size_t position);

// The whole data in ASCII, digit pairs combined.
void EncodeAscii(const uint8_t* data, size_t size, EncodedData& result);

} // namespace datamatrix
