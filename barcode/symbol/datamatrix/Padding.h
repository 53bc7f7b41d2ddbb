// Filling the data codewords up to the symbol's capacity.
#pragma once

#include "symbol/datamatrix/Codewords.h"

#include <cstddef>

namespace datamatrix {

// The first pad is plain 129, so that a decoder stops there; the others are
// randomised with the 253-state algorithm so that they form no pattern.
void PadToCapacity(Codewords& codewords, size_t capacity);

} // namespace datamatrix
