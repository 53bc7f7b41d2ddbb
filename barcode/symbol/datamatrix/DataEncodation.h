// From data bytes to data codewords in the requested encodation: one of the
// fixed encodations, the bytes as codewords ("none"), or the automatic
// switching between ASCII, C40, Text and Base 256.
#pragma once

#include "symbol/datamatrix/Codewords.h"

#include <cstddef>
#include <cstdint>

namespace datamatrix {

// requested: 0 ASCII, 1 C40, 2 Text, 3 Base 256, 4 none, 5 automatic.
EncodedData EncodeData(const uint8_t* data, size_t size, int32_t requested);

void EncodeAutomatic(const uint8_t* data, size_t size, EncodedData& result);

} // namespace datamatrix
