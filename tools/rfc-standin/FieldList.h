// A FIELDS line: how a field lies in the fixed-width rows of an answer.
#pragma once

#include "TableFile.h"

#include <string>

namespace rfcstandin {

std::string FieldsLine(const FieldDef& field, unsigned offset);

} // namespace rfcstandin
