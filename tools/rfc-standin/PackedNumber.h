// A packed decimal number (two digits a byte, the sign in the last half
// byte: C or F plus, D minus) as text, right-aligned in a blank-padded field
// without terminator.
#pragma once

#include <cstddef>
#include <string>

namespace rfcstandin {

// False for a digit or sign that is not one, or decimals outside the digits;
// the text is then empty.
bool PackedToText(const unsigned char* packed, std::size_t length, int decimals, std::string& text);

} // namespace rfcstandin
