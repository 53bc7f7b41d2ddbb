// Texts of the SAP side: catalog formats filled safely, fixed-width fields
// cut and trimmed, apostrophes doubled for SAP's quoted values.
#pragma once

#include "log/Log.h"

#include <string>

// A catalog format filled like printf, of any length.
std::string FormatSapText(const char* format, ...) BC_PRINTF_FORMAT(1, 2);

// Blanks (and NULs a careless library leaves) removed at both ends.
std::string TrimSapText(const std::string& text);

// The text of a fixed record field: up to its first NUL, never beyond size.
std::string FixedFieldText(const char* field, std::size_t size);

// Every apostrophe doubled, as SAP's quoted values want it.
std::string DoubleApostrophes(const std::string& text);
