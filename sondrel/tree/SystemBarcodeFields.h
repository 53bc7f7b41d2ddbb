// The fields of the dialog "System Barcode Properties" (122) as plain
// values, and the rules between them and a system barcode definition: which
// items the combo boxes list, what each shows for the stored value and what
// a choice stores. CSystemBarcodeDialog only moves these values to and from
// its controls.
//
// Units: a definition stores SAP's two-letter unit ("CM", "MM", "PT",
// "TW"); the unit combos show the longer texts of kSapUnitItems. A stored
// unit that is none of them (an SAP system may know more) is listed as one
// more item of its own and shown as it stands, so that OK without a change
// keeps it; the same holds for a rotation that is not 0, 90, 180 or 270. An
// empty unit or rotation selects nothing and stays empty. The barcode type
// is an editable combo: an unknown type shows as typed text and is kept.
#pragma once

#include <string>
#include <vector>

class CNamedCodeDefinitionTreeElement;

struct SystemBarcodeFields {
    std::string name; // shown only; OK never writes it back
    std::string description;
    std::string type; // the text of combo 196
    double width = 0, height = 0;
    // The texts of the unit combos (202 width, 194 height) and of the
    // rotation combo 205, as they show them.
    std::string widthUnit, heightUnit;
    std::string rotation;
    int minCharacters = 1, maxCharacters = 1;
    int checkDigit = 0, verticalAlignment = 0; // check boxes 195, 204
};

// Limits of the fields.
inline constexpr size_t kSystemBarcodeDescriptionLength = 30;
inline constexpr double kSystemBarcodeSizeMinimum = 0, kSystemBarcodeSizeMaximum = 999.9;
inline constexpr int kSystemBarcodeCharactersMinimum = 1, kSystemBarcodeCharactersMaximum = 50;

// What the dialog shows of a definition.
SystemBarcodeFields FieldsOf(const CNamedCodeDefinitionTreeElement& definition);
// What OK stores: every field but the name.
void CopyFieldsInto(const SystemBarcodeFields& fields, CNamedCodeDefinitionTreeElement& definition);

// The text a unit combo shows for a stored unit (case ignored): its longer
// text, else the stored unit itself.
std::string UnitText(const std::string& unit);
// The unit a unit combo's text stores: SAP's unit of a longer text, else
// the text itself (the item of an unknown stored unit).
std::string UnitOfText(const std::string& text);

// The items of a unit combo that shows this text: the four units, then the
// shown text when it is none of them and not empty.
std::vector<std::string> UnitItems(const std::string& shown);
// The items of the rotation combo that shows this text, the same way.
std::vector<std::string> RotationItems(const std::string& shown);
// The items of the barcode type combo.
std::vector<std::string> BarcodeTypeItems();

// The type OK stores from the combo's text: trimmed and in capitals, as SAP
// names its types; an empty text stores "UNDEF" (the type left to the print
// control).
std::string StoredBarcodeType(const std::string& text);

// The check across the fields once each is in its range: the message when
// the minimum number of characters exceeds the maximum, else empty.
std::string CheckCharacterCounts(const SystemBarcodeFields& fields);
