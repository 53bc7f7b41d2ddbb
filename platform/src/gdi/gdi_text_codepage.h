// The code page of the ANSI text functions: TextOutA and the other ...A text
// functions take Windows-1252 bytes.
#pragma once

#include <cstdint>
#include <string>

namespace gdi {

// The Unicode character a Windows-1252 byte stands for. Bytes that
// Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1
// control of the same value, as MultiByteToWideChar(1252) does; the font has
// no glyph for them and shows its missing-glyph box.
uint32_t Cp1252ToUnicode(unsigned char byte);

// A UTF-8 font family name as Windows-1252 bytes (what GetTextFaceA returns);
// characters outside the code page become '?'.
std::string Utf8ToCp1252(const std::string& utf8);

// Windows-1252 bytes (a LOGFONT face name) as UTF-8 for fontconfig.
std::string Cp1252ToUtf8(const std::string& bytes);

} // namespace gdi
