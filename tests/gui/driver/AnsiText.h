// The programs under test work in ANSI texts (code page 1252); the driver
// reads and writes texts across processes in their wide form, and converts.
#pragma once

#include <string>

namespace gui {

std::string AnsiText(const std::wstring& text);
std::wstring WideText(const std::string& text);

// Each byte as two upper-case hexadecimal digits, no separators: the form
// Sondrel shows its parameters in, and the check files' form of any text.
std::string HexadecimalBytes(const std::string& text);

} // namespace gui
