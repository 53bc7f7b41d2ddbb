// Code 49 (AIM USS Code 49): data to code characters, the character grid
// with its row count, row check and symbol check characters, and the rows of
// modules.
#pragma once

#include "symbol/code16k49/StackedRows.h"

#include <cstdint>
#include <string>
#include <vector>

namespace code49 {

// The data as code characters (values 0..48) and the starting mode that
// absorbed the first of them, or a negative symbol error (-9: a byte Code 49
// cannot carry).
struct CodeCharacters {
    int32_t result = 0;
    int mode = 0;
    std::vector<int> values;
};
CodeCharacters ToCodeCharacters(const std::string& data);

// The fewest rows whose data positions hold count code characters; 0 when
// no symbol holds them.
int RowsFor(size_t count);

// The whole symbol as rows of 70 modules, or a negative symbol error
// (-9 a byte Code 49 cannot carry, -34 more than the largest symbol holds).
int32_t EncodeCode49Rows(const std::string& data, std::vector<stacked::ModuleRow>& rows);

} // namespace code49
