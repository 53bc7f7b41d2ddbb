// Base 256 encodation: a latch, a length field and the bytes themselves,
// length and bytes randomised with the 255-state algorithm.
#pragma once

#include "symbol/datamatrix/Codewords.h"

#include <cstddef>
#include <cstdint>

namespace datamatrix {

// Appends latch, length field and bytes of one run of count (> 0) bytes.
// The length field is one codeword below 250 bytes and two from 250 on.
void AppendBase256Run(const uint8_t* bytes, size_t count, Codewords& codewords);

// The whole data as one Base 256 run.
void EncodeBase256(const uint8_t* data, size_t size, EncodedData& result);

} // namespace datamatrix
