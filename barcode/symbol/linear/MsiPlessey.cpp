// Not written yet.
#include "symbol/linear/LinearSymbol.h"

int32_t EncodeMsiPlessey(const LinearRequest&, LinearSymbol&) { return kErrorUnknownLibraryCode; }
