// Checking a text a program formatted from a printf-style format of its
// catalog, when the values it filled in are not all known beforehand (a
// handle value, a system error code).
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace gui {

// The values of the format's conversions (%d, %lu, %s, ...) in the text,
// in order; nothing when the text does not have the format's shape.
// Decimal conversions match digits with an optional sign, hexadecimal
// ones hex digits, texts any characters.
std::optional<std::vector<std::string>> MatchPrintfFormat(const std::string& format,
                                                          const std::string& text);

} // namespace gui
