// Code 16K (EN 12323): data to symbol character values with the fewest
// characters over subsets A, B and C, the starting mode, padding and check
// characters, and the rows of modules.
#pragma once

#include "symbol/code16k49/StackedRows.h"

#include <cstdint>
#include <string>
#include <vector>

namespace code16k {

// The subset the symbol starts in, as the library code asks; after the
// start the encoder changes subsets and shifts wherever the data needs it.
enum class StartSubset { kAutomatic, kA, kB, kC };

// Every symbol character value in order: the mode and row count character,
// the data, the pads and the two check characters; or a negative symbol
// error (-9 a byte Code 16K cannot carry, -34 more than 16 rows hold).
struct SymbolValues {
    int32_t result = 0;
    int rows = 0;
    int mode = 0;
    std::vector<int> values;
};
SymbolValues ToSymbolValues(const std::string& data, StartSubset start);

// The whole symbol as rows of 70 modules, or a negative symbol error.
int32_t EncodeCode16kRows(const std::string& data, StartSubset start,
                          std::vector<stacked::ModuleRow>& rows);

} // namespace code16k
