// The programs under test work in ANSI texts (code page 1252); the driver
// reads and writes texts across processes in their wide form, and converts.
#pragma once

#include <string>

namespace gui {

std::string AnsiText(const std::wstring& text);
std::wstring WideText(const std::string& text);

} // namespace gui
