// The whole codeword sequence of a symbol: data codewords dealt out to the
// blocks in turn, each block's error codewords, and the error codewords
// interleaved the same way after the data.
#pragma once

#include "symbol/datamatrix/Codewords.h"
#include "symbol/datamatrix/SymbolSizes.h"

namespace datamatrix {

// data holds exactly the size's data codewords (padded).
Codewords AppendErrorCorrection(const Codewords& data, const SymbolSize& size);

} // namespace datamatrix
