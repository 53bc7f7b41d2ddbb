// The fixed lists of the combo boxes of dialog 122 "System Barcode
// Properties", in list order. The barcode types and rotations are SAP's own
// words, shown and stored as they stand; a unit is stored as SAP's
// two-letter unit and shown with its longer text (the blanks belong to the
// texts: they line the names up in the list).
#pragma once

#include <iterator>

namespace sondrel {

// Combo 196: the SAP barcode types. "UNDEF" leaves the symbology to the
// print control.
inline constexpr const char* kSapBarcodeTypeItems[] = {
    "2OF5",   "C39",     "C39X", "C93",   "C128",  "C128_A",  "C128_B",
    "C128_C", "CODABAR", "EAN8", "EAN13", "UPC_A", "POSTNET", "UNDEF"};

// Combos 202 (width) and 194 (height): SAP's unit and the text shown.
struct SapUnitItem {
    const char* unit;
    const char* text;
};
inline constexpr SapUnitItem kSapUnitItems[] = {
    {"CM", "CM   (Centimeter)"},
    {"MM", "MM   (Millimeters)"},
    {"PT", "PT    (Point)"},
    {"TW", "TW  (Twips)"},
};

// Combo 205: the rotation in degrees, as SAP writes it.
inline constexpr const char* kSapRotationItems[] = {"0", "90", "180", "270"};

// The lengths the dialog allows: the type as SAP's field holds it.
inline constexpr int kSapBarcodeTypeLength = 8;

static_assert(std::size(kSapBarcodeTypeItems) == 14);
static_assert(std::size(kSapUnitItems) == 4);
static_assert(std::size(kSapRotationItems) == 4);

} // namespace sondrel
