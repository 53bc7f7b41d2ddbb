// Placing the codewords' bits into the mapping matrix (all data regions
// without their finder and alignment edges): eight-module "utah" shapes
// along diagonals, four special shapes at the corners, and the wrap-around
// of shapes that leave the matrix.
#pragma once

#include "symbol/datamatrix/Codewords.h"

#include <cstdint>
#include <vector>

namespace datamatrix {

// rows × columns modules row by row, 1 = dark. Codewords are read 8 bits
// each, most significant bit first; a codeword missing from the list reads
// as 0.
std::vector<uint8_t> PlaceCodewords(const Codewords& codewords, int32_t rows, int32_t columns);

} // namespace datamatrix
