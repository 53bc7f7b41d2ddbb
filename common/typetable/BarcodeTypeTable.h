// The barcode type table: every barcode type the system knows, with its long
// display name, type id, short command code, option families, default blank
// trimming and PCL font numbers. Lookups scan the rows in order; the first
// match wins, so the row order is part of the behaviour.
#pragma once

#include <cstdint>

struct BarcodeTypeInfo {
    const char* longName;      // display name, unique in the table
    int32_t id;                // type id 1..52; 30 is shared by the four Postnet rows
    const char* code;          // short code used after "C=" in commands
    int32_t checkDigitMode;    // > 0 switchable (P=), < 0 always present, 0 none
    int32_t annotationOption;  // A=
    int32_t rotationOption;    // R=
    int32_t ratioOption;       // RA=, ADS=, ADB=
    int32_t pdf417Options;     // SEC=, FR=, FC=
    int32_t dataMatrixOptions; // DME=, DMF=, DMC=, DMM=
    int32_t maxiCodeOptions;   // MCPC= ... MCPW=
    int32_t fnc1Option;        // F1=
    int32_t defaultBlankTrim;  // 0 none, 1 trailing, 2 leading, 3 both
    int32_t pclFontPlain;      // PCL font without check digit, 0 = none
    int32_t pclFontWithCheckDigit;
};

// The 55 rows followed by the all-zero terminator row.
extern const BarcodeTypeInfo BarcodeTypeTable[56];

// The not-found results of the lookups.
inline constexpr const char* kUnknownTypeName = "??";
inline constexpr const char* kUnknownTypeId = "unknown id";
inline constexpr const char* kUnknownTypeCode = "unknown";

// The row whose code starts the text and is followed there by the end of the
// text or a comma ("128A,..." is Code 128 Subset A), or null.
const BarcodeTypeInfo* FindTypeRowByCode(const char* text);

const char* FindTypeNameByCode(const char* text);
int FindTypeIdByName(const char* longName);
const char* FindTypeNameById(int id);
const char* FindTypeCodeByName(const char* longName);
bool FindPclFontsByName(const char* longName, int& pclFontPlain, int& pclFontWithCheckDigit);

bool HasCheckDigitOption(const char* longName);
bool HasMandatoryCheckDigit(const char* longName);
int HasAnnotationOption(const char* longName);
int HasRotationOption(const char* longName);
int HasRatioOption(const char* longName);
int HasPdf417Options(const char* longName);
int HasDataMatrixOptions(const char* longName);
int HasMaxiCodeOptions(const char* longName);
int HasFnc1Option(const char* longName);

// The number of rows including the terminator.
int TypeTableRowCount();
