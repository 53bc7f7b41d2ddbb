// The barcode type table and its lookups.
#include "typetable/BarcodeTypeTable.h"

#include <cstring>

// clang-format off
const BarcodeTypeInfo BarcodeTypeTable[56] = {
    // longName             id   code     chk ann rot rat pdf dm  mc fnc1 trim pclPlain pclChk
    {"2 of 5 Industrial",   1, "25I",      1,  1,  1,  1,  0,  0,  0,  0,  3, 24650, 24651},
    {"2 of 5 Matrix",       3, "25M",      1,  1,  1,  1,  0,  0,  0,  0,  3, 24660, 24661},
    {"2 of 5 Interleave",   2, "25L",      1,  1,  1,  1,  0,  0,  0,  0,  3, 24640, 24641},
    {"German PTT 11",      47, "G11",     -1,  1,  1,  1,  0,  0,  0,  0,  3,  0, 24643},
    {"German PTT 13",      48, "G13",     -1,  1,  1,  1,  0,  0,  0,  0,  3,  0, 24642},
    {"Code 39",             5, "39",       1,  1,  1,  1,  0,  0,  0,  0,  3, 24670, 24671},
    {"Code 39 extended",    6, "39X",      1,  1,  1,  1,  0,  0,  0,  0,  0, 24680, 24681},
    {"Code 93",             7, "93",       1,  1,  1,  1,  0,  0,  0,  0,  3,  0, 24690},
    {"Code 93 extended",    8, "93X",      1,  1,  1,  1,  0,  0,  0,  0,  0,  0, 24691},
    {"Code 128",            9, "128",     -1,  1,  1,  1,  0,  0,  0,  1,  0,  0, 24700},
    {"Code 128 Subset A",  10, "128A",    -1,  1,  1,  1,  0,  0,  0,  1,  0,  0, 24701},
    {"Code 128 Subset B",  11, "128B",    -1,  1,  1,  1,  0,  0,  0,  1,  0,  0, 24702},
    {"Code 128 Subset C",  12, "128C",    -1,  1,  1,  1,  0,  0,  0,  1,  3,  0, 24703},
    {"Codabar",             4, "CODA",     2,  1,  1,  1,  0,  0,  0,  0,  3, 24750, 24751},
    {"EAN13",              13, "E13",      1,  1,  1,  1,  0,  0,  0,  0,  3, 24630,  0},
    {"EAN13+2",            14, "E13+2",    1,  1,  1,  1,  0,  0,  0,  0,  3, 24631,  0},
    {"EAN13+5",            15, "E13+5",    1,  1,  1,  1,  0,  0,  0,  0,  3, 24632,  0},
    {"EAN8",               16, "E8",       1,  1,  1,  1,  0,  0,  0,  0,  3, 24620,  0},
    {"EAN8+2",             17, "E8+2",     1,  1,  1,  1,  0,  0,  0,  0,  3, 24621,  0},
    {"EAN8+5",             18, "E8+5",     1,  1,  1,  1,  0,  0,  0,  0,  3, 24622,  0},
    {"EAN 128",            19, "E128",    -1,  1,  1,  1,  0,  0,  0,  1,  0,  0, 24720},
    {"EAN 128 Subset A",   20, "E128A",   -1,  1,  1,  1,  0,  0,  0,  1,  0,  0,  0},
    {"EAN 128 Subset B",   21, "E128B",   -1,  1,  1,  1,  0,  0,  0,  1,  0,  0,  0},
    {"EAN 128 Subset C",   22, "E128C",   -1,  1,  1,  1,  0,  0,  0,  1,  3,  0,  0},
    {"UPCA",               24, "UPCA",    -1,  1,  1,  1,  0,  0,  0,  0,  3, 24600,  0},
    {"UPCA+2",             25, "UPCA+2",  -1,  1,  1,  1,  0,  0,  0,  0,  3, 24601,  0},
    {"UPCA+5",             26, "UPCA+5",  -1,  1,  1,  1,  0,  0,  0,  0,  3, 24602,  0},
    {"UPCE",               27, "UPCE",    -1,  1,  1,  1,  0,  0,  0,  0,  3, 24610,  0},
    {"UPCE+2",             28, "UPCE+2",  -1,  1,  1,  1,  0,  0,  0,  0,  3, 24611,  0},
    {"UPCE+5",             29, "UPCE+5",  -1,  1,  1,  1,  0,  0,  0,  0,  3, 24612,  0},
    {"UPCE0",              34, "UPCE0",   -1,  1,  1,  1,  0,  0,  0,  0,  3,  0,  0},
    {"UPCE0+2",            35, "UPCE0+2", -1,  1,  1,  1,  0,  0,  0,  0,  3,  0,  0},
    {"UPCE0+5",            36, "UPCE0+5", -1,  1,  1,  1,  0,  0,  0,  0,  3,  0,  0},
    {"UPCE1",              37, "UPCE1",   -1,  1,  1,  1,  0,  0,  0,  0,  3,  0,  0},
    {"UPCE1+2",            38, "UPCE1+2", -1,  1,  1,  1,  0,  0,  0,  0,  3,  0,  0},
    {"UPCE1+5",            39, "UPCE1+5", -1,  1,  1,  1,  0,  0,  0,  0,  3,  0,  0},
    {"ZIP Postnet",        30, "ZIP",      0,  0,  1,  0,  0,  0,  0,  0,  3,  0,  0},
    {"ZIP Postnet 5",      30, "PSN5",     0,  0,  1,  0,  0,  0,  0,  0,  3, 24770,  0},
    {"ZIP Postnet 9",      30, "PSN9",     0,  0,  1,  0,  0,  0,  0,  0,  3, 24771,  0},
    {"ZIP Postnet 11",     30, "PSN11",    0,  0,  1,  0,  0,  0,  0,  0,  3, 24772,  0},
    {"MSI Plessey",        31, "MSI",      2,  1,  1,  1,  0,  0,  0,  0,  3, 24760, 24761},
    {"UCC128",             32, "UCC128",  -1,  1,  1,  1,  0,  0,  0,  0,  0,  0, 24710},
    {"HIBC",               33, "HIBC",    -1,  1,  1,  1,  0,  0,  0,  0,  0,  0,  0},
    {"Code 49",            40, "C49",     -1,  0,  1,  0,  0,  0,  0,  0,  0,  0, 24819},
    {"Code 16K",           41, "C16K",    -1,  0,  1,  0,  0,  0,  0,  0,  0,  0, 24815},
    {"Code 16K Subset A",  42, "C16KA",   -1,  0,  1,  0,  0,  0,  0,  0,  0,  0, 24816},
    {"Code 16K Subset B",  43, "C16KB",   -1,  0,  1,  0,  0,  0,  0,  0,  0,  0, 24817},
    {"Code 16K Subset C",  44, "C16KC",   -1,  0,  1,  0,  0,  0,  0,  0,  0,  0, 24818},
    {"PDF 417",            23, "PDF417",  -1,  0,  1,  0,  1,  0,  0,  0,  0,  0, 24850},
    {"PDF 417 Truncated",  49, "PDF417T", -1,  0,  1,  0,  1,  0,  0,  0,  0,  0, 24851},
    {"PDF 417 Micro",      50, "PDF417M", -1,  0,  1,  0,  1,  0,  0,  0,  0,  0, 24852},
    {"Data Matrix",        46, "DM",      -1,  0,  1,  0,  0,  1,  0,  0,  0,  0, 24820},
    {"Maxicode",           45, "MC",      -1,  0,  1,  0,  0,  0,  1,  0,  0,  0, 24800},
    {"QRCode",             51, "QR",      -1,  0,  1,  0,  0,  0,  0,  0,  0,  0, 24861},
    {"ITF-14",             52, "I14",      1,  1,  1,  1,  0,  0,  0,  0,  3,  0, 24649},
    {nullptr,               0,  nullptr,  0,  0,  0,  0,  0,  0,  0,  0,  0,     0,     0},
};
// clang-format on

namespace {

bool CodeStartsText(const char* code, const char* text) {
    size_t length = std::strlen(code);
    if (std::strncmp(text, code, length) != 0) return false;
    return text[length] == '\0' || text[length] == ',';
}

const BarcodeTypeInfo* FindRowByName(const char* longName) {
    if (longName == nullptr) return nullptr;
    for (const BarcodeTypeInfo* row = BarcodeTypeTable; row->longName != nullptr; ++row)
        if (std::strcmp(row->longName, longName) == 0) return row;
    return nullptr;
}

} // namespace

const BarcodeTypeInfo* FindTypeRowByCode(const char* text) {
    if (text == nullptr) return nullptr;
    for (const BarcodeTypeInfo* row = BarcodeTypeTable; row->code != nullptr; ++row)
        if (CodeStartsText(row->code, text)) return row;
    return nullptr;
}

const char* FindTypeNameByCode(const char* text) {
    const BarcodeTypeInfo* row = FindTypeRowByCode(text);
    return row ? row->longName : kUnknownTypeName;
}

int FindTypeIdByName(const char* longName) {
    const BarcodeTypeInfo* row = FindRowByName(longName);
    return row ? row->id : 0;
}

const char* FindTypeNameById(int id) {
    for (const BarcodeTypeInfo* row = BarcodeTypeTable; row->longName != nullptr; ++row)
        if (row->id == id) return row->longName;
    return kUnknownTypeId;
}

const char* FindTypeCodeByName(const char* longName) {
    const BarcodeTypeInfo* row = FindRowByName(longName);
    return row ? row->code : kUnknownTypeCode;
}

bool FindPclFontsByName(const char* longName, int& pclFontPlain, int& pclFontWithCheckDigit) {
    const BarcodeTypeInfo* row = FindRowByName(longName);
    if (row == nullptr) return false;
    pclFontPlain = row->pclFontPlain;
    pclFontWithCheckDigit = row->pclFontWithCheckDigit;
    return true;
}

namespace {
// The value of one cell of the named row, or 0 when no row has that name.
int CellByName(const char* longName, int32_t BarcodeTypeInfo::*cell) {
    const BarcodeTypeInfo* row = FindRowByName(longName);
    return row ? row->*cell : 0;
}
} // namespace

bool HasCheckDigitOption(const char* longName) {
    return CellByName(longName, &BarcodeTypeInfo::checkDigitMode) > 0;
}
bool HasMandatoryCheckDigit(const char* longName) {
    return CellByName(longName, &BarcodeTypeInfo::checkDigitMode) < 0;
}
int HasAnnotationOption(const char* longName) {
    return CellByName(longName, &BarcodeTypeInfo::annotationOption);
}
int HasRotationOption(const char* longName) {
    return CellByName(longName, &BarcodeTypeInfo::rotationOption);
}
int HasRatioOption(const char* longName) {
    return CellByName(longName, &BarcodeTypeInfo::ratioOption);
}
int HasPdf417Options(const char* longName) {
    return CellByName(longName, &BarcodeTypeInfo::pdf417Options);
}
int HasDataMatrixOptions(const char* longName) {
    return CellByName(longName, &BarcodeTypeInfo::dataMatrixOptions);
}
int HasMaxiCodeOptions(const char* longName) {
    return CellByName(longName, &BarcodeTypeInfo::maxiCodeOptions);
}
int HasFnc1Option(const char* longName) {
    return CellByName(longName, &BarcodeTypeInfo::fnc1Option);
}

int TypeTableRowCount() {
    return static_cast<int>(sizeof BarcodeTypeTable / sizeof BarcodeTypeTable[0]);
}

// Fourteen 32-bit cells a row in the 32-bit build, as the record is laid out there.
static_assert(sizeof(void*) != 4 || sizeof(BarcodeTypeInfo) == 56);
