// Reed-Solomon check codewords over GF(64) as MaxiCode uses them (ISO/IEC
// 16023): field polynomial x^6 + x + 1, generator roots alpha^1 .. alpha^n.
#pragma once

#include <cstdint>
#include <vector>

// The count check codewords of data (6-bit values), highest degree first.
std::vector<uint8_t> MaxiCodeCheckCodewords(const std::vector<uint8_t>& data, int count);
