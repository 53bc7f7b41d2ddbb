// Not written yet.
#include "symbol/linear/LinearSymbol.h"

int32_t EncodeCode128(const LinearRequest&, LinearSymbol&) { return kErrorUnknownLibraryCode; }
