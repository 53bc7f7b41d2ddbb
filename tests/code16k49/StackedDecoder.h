// A reader for the tests: reads Code 16K and Code 49 rows back into data
// from the published tables, checking every row indicator and check
// character on the way, so that a symbol that decodes is one a scanner
// would accept.
#pragma once

#include "symbol/SymbolMatrix.h"

#include <cstdint>
#include <string>
#include <vector>

namespace stackedtest {

using ModuleRow = std::vector<bool>;
using ModuleRows = std::vector<ModuleRow>;

struct Decoded {
    bool ok = false;
    std::string error;
    std::string data; // function characters as the bytes 129..132
    int rows = 0;
    int mode = 0;
    std::vector<int> characters; // Code 16K symbol values / Code 49 code characters
};

// The 70-module code rows of a matrix after checking its frame: separator
// rows one module high and dark across the 70 modules, code rows as tall as
// the bar height, 10 light modules before and 1 after every row.
bool ExtractCodeRows(const SymbolMatrix& matrix, ModuleRows& rows, std::string& error);

// The height the framework draws: rows with height 0 take the bar height,
// others that many module widths.
int64_t DrawnHeight(const SymbolMatrix& matrix, int32_t barHeight, int32_t moduleWidth);

Decoded DecodeCode16kRows(const ModuleRows& rows);
Decoded DecodeCode49Rows(const ModuleRows& rows);
Decoded DecodeCode16k(const SymbolMatrix& matrix);
Decoded DecodeCode49(const SymbolMatrix& matrix);

} // namespace stackedtest
