// A print control as SAP stores it (kind, hexadecimal flag, value) and the
// barcode command it carries.
#pragma once

#include <optional>
#include <string>

// Two characters a byte, the first the high four bits: "0"-"9" count 0-9,
// letters 10-35 in either case, anything else 0; a last single character is
// dropped.
std::string DecodeHexValue(const std::string& value);

// The command of a print control: kind "1" is accepted when it begins with
// "\e", which it loses, kind "5" is accepted as it stands, other kinds carry
// none; an accepted value beginning "b%" gives the rest after it, one
// beginning "b" the rest after the "b"; anything else none. A decoded zero
// byte ends the value.
std::optional<std::string> CommandFromPrintControl(const std::string& kind,
                                                   const std::string& hexFlag,
                                                   const std::string& value);
