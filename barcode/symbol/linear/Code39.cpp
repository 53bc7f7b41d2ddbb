// Not written yet.
#include "symbol/linear/LinearSymbol.h"

int32_t EncodeCode39(const LinearRequest&, LinearSymbol&) { return kErrorUnknownLibraryCode; }
