// The subset choice of Code 128 and the symbol values it produces.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

enum class Code128Subset : uint8_t { kNone, kA, kB, kC };

// Turns prepared data into the symbol values from the start code up to the
// last data value. kNone chooses the subset per character; a fixed subset is
// kept throughout. False when a byte cannot be encoded.
bool EncodeCode128Values(const std::string& data, Code128Subset fixedSubset,
                         std::vector<int>& values);
