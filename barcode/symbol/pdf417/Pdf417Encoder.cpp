// Not written yet.
#include "symbol/SymbolMatrix.h"

int32_t EncodePdf417(const SymbolParams&, const std::string&, SymbolMatrix&) { return -1; }
