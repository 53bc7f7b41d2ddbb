// Not written yet.
#include "symbol/SymbolMatrix.h"

int32_t EncodeCode16k49(const SymbolParams&, const std::string&, SymbolMatrix&) { return -1; }
