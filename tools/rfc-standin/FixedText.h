// Texts in the fixed-width fields of the RFC records and table lines: every
// write is bounded by the field, so no text of any length overflows one.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace rfcstandin {

// A zero-terminated field of `size` bytes: the text cut to size - 1 bytes.
void CopyTerminated(char* field, std::size_t size, std::string_view text);

// A blank-padded field of `width` bytes without terminator: cut or padded.
void CopyPadded(char* field, std::size_t width, std::string_view text);

// The text of a field that may lack a terminator: up to the first zero byte
// or `width` bytes, trailing blanks removed.
std::string FieldText(const char* field, std::size_t width);

std::string_view Trim(std::string_view text);
std::string Upper(std::string_view text);

} // namespace rfcstandin
