// The data of a request as the encoders take it: trimmed of blanks, with
// function characters, escapes and German characters turned into the bytes
// each barcode type expects.
#pragma once

#include "command/BarcodeParams.h"

#include <cstdint>
#include <string>

// Removes leading blanks (mode 2 or 3) and trailing blanks (mode 1 or 3);
// for Code 39 also one "*" start or stop character after the blanks.
std::string TrimBlanks(const std::string& data, int32_t trimMode, int32_t typeId);

// The type's own preparation: function-character placeholders, backslash
// escapes and German character mapping, as the type takes them; EAN 128 and
// UCC128 data start with FNC1.
std::string PrepareDataForType(int32_t typeId, const std::string& data,
                               const BarcodeParams& params);

// True for the types whose check-digit mode is forced to 1 (Code 128 and
// its relatives unless keepCode128CheckMode, HIBC and the two-dimensional
// types).
bool ForcesCheckModeOne(int32_t typeId, bool keepCode128CheckMode);
