// The symbol around the mapping matrix: each data region framed by its
// finder pattern (solid left and bottom edges) and its alignment pattern
// (alternating top and right edges).
#pragma once

#include "symbol/Containers.h"
#include "symbol/datamatrix/SymbolSizes.h"

#include <cstdint>
#include <vector>

namespace datamatrix {

// One integer column per module column of the symbol, 1 = dark, from the
// mapping matrix (mappingRows × mappingColumns, row by row).
std::vector<CIntArray> BuildSymbolColumns(const std::vector<uint8_t>& mapping,
                                          const SymbolSize& size);

} // namespace datamatrix
