// Not written yet.
#include "symbol/linear/LinearSymbol.h"

int32_t EncodeTwoOfFive(const LinearRequest&, LinearSymbol&) { return kErrorUnknownLibraryCode; }
