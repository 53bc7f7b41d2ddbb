// The look-ahead that decides, at a position of the data, which encodation
// should carry the characters from there on (ASCII, C40, Text or Base 256).
#pragma once

#include "symbol/datamatrix/Codewords.h"

#include <cstddef>
#include <cstdint>

namespace datamatrix {

Encodation ChooseEncodation(const uint8_t* data, size_t size, size_t position, Encodation current);

} // namespace datamatrix
