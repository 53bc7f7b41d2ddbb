// The codeword trace of the automatic encodation: every data codeword with
// what it means, written to the log only at the diagnostic level 42.
#pragma once

#include "symbol/datamatrix/Codewords.h"

namespace datamatrix {

inline constexpr int kCodewordTraceLevel = 42;

void TraceCodewords(const Codewords& codewords);

} // namespace datamatrix
