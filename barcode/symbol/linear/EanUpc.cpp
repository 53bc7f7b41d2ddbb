// Not written yet.
#include "symbol/linear/LinearSymbol.h"

int32_t EncodeEanUpc(const LinearRequest&, LinearSymbol&) { return kErrorUnknownLibraryCode; }
