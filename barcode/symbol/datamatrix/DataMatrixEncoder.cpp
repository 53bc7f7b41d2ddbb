// Not written yet.
#include "symbol/SymbolMatrix.h"

int32_t EncodeDataMatrix(const SymbolParams&, const std::string&, SymbolMatrix&) { return -1; }
