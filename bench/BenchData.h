// The data every side encodes: deterministic texts of a given length.
#pragma once

#include <cstddef>
#include <string>

// Label-like text of mixed case, digits and punctuation, exactly length
// bytes, without leading or trailing blanks (which the print path trims) and
// without backslashes (which it reads as escapes).
std::string LabelText(std::size_t length);
