// Not written yet.
#include "symbol/linear/LinearSymbol.h"

int32_t EncodeCodabar(const LinearRequest&, LinearSymbol&) { return kErrorUnknownLibraryCode; }
