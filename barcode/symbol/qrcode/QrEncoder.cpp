// Not written yet.
#include "symbol/SymbolMatrix.h"

int32_t EncodeQrCode(const SymbolParams&, const std::string&, SymbolMatrix&) { return -1; }
