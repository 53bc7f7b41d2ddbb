// The fixed lists of the main dialog's combo boxes (dialog 101), in list
// order. Where a setting is exchanged as the index of the selected item
// (ratio, rotation, security level, position units) the index is the
// position in these tables; the Data Matrix texts are sent to the DLL as
// they stand ("DME=C40", "DMF=16X48"). The barcode type list comes from the
// barcode type table instead.
#pragma once

#include <iterator>

namespace sondrel {

// Combo 104 "Ratio to thick bar": index i is the ratio 2.0 + 0.5 i, sent as
// "RA=" 20, 25, 30.
inline constexpr const char* kRatioItems[] = {"2,0 : 1", "2,5 : 1", "3,0 : 1"};

// Combo 148: quarter turns counter-clockwise, "R=" 0 to 3.
inline constexpr const char* kRotationItems[] = {"None", "90 Degrees", "180 Degrees",
                                                 "270 Degrees"};

// Combo 149: the PDF417 security level 0 to 8 ("SEC=").
inline constexpr const char* kSecurityLevelItems[] = {"0 (none)", "1", "2", "3",          "4",
                                                      "5",        "6", "7", "8 (highest)"};

// Combo 157: the Data Matrix encodation ("DME=").
inline constexpr const char* kDataMatrixEncodingItems[] = {"AUTO", "TEXT",    "ASCII",
                                                           "C40",  "BASE256", "NONE"};

// Combo 158: the Data Matrix symbol size ("DMF="): automatic, the 24 square
// ECC 200 sizes, then the 6 rectangular ones, in the order the DLL numbers
// them.
inline constexpr const char* kDataMatrixFormatItems[] = {
    "AUTO",    "10X10", "12X12", "14X14", "16X16", "18X18",   "20X20",   "22X22",
    "24X24",   "26X26", "32X32", "36X36", "40X40", "44X44",   "48X48",   "52X52",
    "64X64",   "72X72", "80X80", "88X88", "96X96", "104X104", "120X120", "132X132",
    "144X144", "8X18",  "8X32",  "12X26", "12X36", "16X36",   "16X48"};

// Editable combo 160 "Control Char.": a choice or any character or number.
inline constexpr const char* kDataMatrixControlCharItems[] = {"None", "~"};

// Combos 174 and 175: the unit of the X and Y position, index 0 "mm", 1
// "mil", 2 "px". The two lists differ in their spacing only.
inline constexpr const char* kXUnitItems[] = {"mm (milli meter)", "mil (milli inch )",
                                              "px ( pixel )"};
inline constexpr const char* kYUnitItems[] = {"mm (milli meter)", "mil ( milli inch )",
                                              "px (pixel)"};

static_assert(std::size(kRatioItems) == 3);
static_assert(std::size(kRotationItems) == 4);
static_assert(std::size(kSecurityLevelItems) == 9);
static_assert(std::size(kDataMatrixEncodingItems) == 6);
static_assert(std::size(kDataMatrixFormatItems) == 1 + 24 + 6);
static_assert(std::size(kXUnitItems) == 3 && std::size(kYUnitItems) == 3);

} // namespace sondrel
