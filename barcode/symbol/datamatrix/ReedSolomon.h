// Reed-Solomon error correction of ECC 200 over GF(256) with the field
// polynomial x^8 + x^5 + x^3 + x^2 + 1 (301).
#pragma once

#include "symbol/datamatrix/Codewords.h"

#include <cstdint>

namespace datamatrix {

// The error codewords of one block, or an empty list for an error codeword
// count that no symbol size uses.
Codewords ComputeErrorCodewords(const Codewords& blockData, int32_t errorCount);

} // namespace datamatrix
