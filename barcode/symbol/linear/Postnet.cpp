// Not written yet.
#include "symbol/linear/LinearSymbol.h"

int32_t EncodePostnet(const LinearRequest&, LinearSymbol&) { return kErrorUnknownLibraryCode; }
