// Why the symbol library refused a request, where its error table has no
// text: the symbologies' own numbers of magnitude 100 and more.
#pragma once

#include "symbol/SymbolParams.h"

#include <cstdint>
#include <string>

// The reason of error code (negative), naming the request's value and what
// is allowed, or an empty text for the numbers the error table explains.
std::string SymbolErrorReason(int32_t code, const SymbolParams& params);
