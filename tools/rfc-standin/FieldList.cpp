#include "FieldList.h"

#include "Schema.h"

#include <cstdio>

namespace rfcstandin {

std::string FieldsLine(const FieldDef& field, unsigned offset) {
    std::string line(schema::kFieldsLineLength, ' ');
    char number[16];
    line.replace(schema::kFieldName.offset, field.name.size(), field.name);
    std::snprintf(number, sizeof number, "%06u", offset);
    line.replace(schema::kFieldOffset.offset, schema::kFieldOffset.width, number);
    std::snprintf(number, sizeof number, "%06u", field.length);
    line.replace(schema::kFieldLength.offset, schema::kFieldLength.width, number);
    line[schema::kFieldType.offset] = field.type;
    line.replace(schema::kFieldText.offset, field.name.size(), field.name);
    return line;
}

} // namespace rfcstandin
