#include "SystemBarcodeFields.h"

#include "NamedCodeDefinitionTreeElement.h"
#include "SystemBarcodeLists.h"

#include <algorithm>
#include <cctype>
#include <iterator>

namespace {

std::string Upper(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

std::string Trimmed(const std::string& text) {
    const char* blanks = " \t";
    size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

// The fixed items, then the shown text when it is none of them.
template <class Range>
std::vector<std::string> ItemsWith(const Range& fixed, const std::string& shown) {
    std::vector<std::string> items(std::begin(fixed), std::end(fixed));
    if (!shown.empty() && std::find(items.begin(), items.end(), shown) == items.end())
        items.push_back(shown);
    return items;
}

std::vector<std::string> UnitTexts() {
    std::vector<std::string> texts;
    for (const sondrel::SapUnitItem& item : sondrel::kSapUnitItems)
        texts.push_back(item.text);
    return texts;
}

} // namespace

std::string UnitText(const std::string& unit) {
    const std::string key = Upper(unit);
    for (const sondrel::SapUnitItem& item : sondrel::kSapUnitItems)
        if (key == item.unit) return item.text;
    return unit;
}

std::string UnitOfText(const std::string& text) {
    for (const sondrel::SapUnitItem& item : sondrel::kSapUnitItems)
        if (text == item.text) return item.unit;
    return text;
}

std::vector<std::string> UnitItems(const std::string& shown) {
    return ItemsWith(UnitTexts(), shown);
}

std::vector<std::string> RotationItems(const std::string& shown) {
    return ItemsWith(sondrel::kSapRotationItems, shown);
}

std::vector<std::string> BarcodeTypeItems() {
    return {std::begin(sondrel::kSapBarcodeTypeItems), std::end(sondrel::kSapBarcodeTypeItems)};
}

std::string StoredBarcodeType(const std::string& text) {
    std::string type = Upper(Trimmed(text));
    return type.empty() ? "UNDEF" : type;
}

SystemBarcodeFields FieldsOf(const CNamedCodeDefinitionTreeElement& definition) {
    SystemBarcodeFields fields;
    fields.name = definition.GetName();
    fields.description = definition.description;
    fields.type = definition.sapBarcodeType;
    fields.width = definition.width;
    fields.height = definition.height;
    fields.widthUnit = UnitText(definition.widthUnit);
    fields.heightUnit = UnitText(definition.heightUnit);
    fields.rotation = definition.rotation;
    fields.minCharacters = definition.minCharacters;
    fields.maxCharacters = definition.maxCharacters;
    fields.checkDigit = definition.checkDigit;
    fields.verticalAlignment = definition.verticalAlignment;
    return fields;
}

void CopyFieldsInto(const SystemBarcodeFields& fields,
                    CNamedCodeDefinitionTreeElement& definition) {
    definition.description = fields.description;
    definition.sapBarcodeType = StoredBarcodeType(fields.type);
    definition.width = fields.width;
    definition.height = fields.height;
    definition.widthUnit = UnitOfText(fields.widthUnit);
    definition.heightUnit = UnitOfText(fields.heightUnit);
    definition.rotation = fields.rotation;
    definition.minCharacters = fields.minCharacters;
    definition.maxCharacters = fields.maxCharacters;
    definition.checkDigit = fields.checkDigit;
    definition.verticalAlignment = fields.verticalAlignment;
}

std::string CheckCharacterCounts(const SystemBarcodeFields& fields) {
    if (fields.minCharacters <= fields.maxCharacters) return {};
    return "Please enter a minimum number of characters no larger than the maximum.";
}
