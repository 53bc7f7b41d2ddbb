// Decimal numbers in commands and profile texts, read as atoi reads them but
// without its undefined behaviour: a number too large for 32 bits saturates.
#pragma once

#include <cstdint>
#include <string_view>

// Leading blanks, one optional sign, then decimal digits; anything else ends
// the number. No digits give 0.
int32_t DecimalPrefixValue(std::string_view text);
