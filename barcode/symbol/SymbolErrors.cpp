// The error table of the symbol library.
#include "symbol/SymbolErrors.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

struct ErrorText {
    int32_t number;
    const char* text; // formatted with the (negative) code and the data
};

constexpr ErrorText kErrorTexts[] = {
    {0, "%d: No Error(0)"},
    {1, "%d: barCodeType member out of range"},
    {2, "%d: Text string too long: \"%s\""},
    {3, "%d: Text string too long \"%s\""},
    {4, "%d: Internal: HDC is invalid"},
    {6, "%d: barHeight is too large "},
    {7, "%d: checkSum out of range"},
    {9, "%d: Bar Code Generation error (Invalid char for this Barcode?)"},
    {11, "%d: rotation is out of range "},
    {12, "%d: annotation locator is out of range"},
    {13, "%d: ratio is out of range"},
    {14, "%d: supplement is out of range"},
    {15, "%d: Unsupported annotation style"},
    {16, "%d: No bar code data"},
    {17, "%d: alignment error"},
    {20, "%d: Bitmap creation error"},
    {21, "%d: Clipboard error"},
    {22, "%d: Error trying to open a file"},
    {23, "%d: Error trying to write to a file"},
    {24, "%d: Unsupported file type specified"},
    {30, "%d: pdfSecurity out of range "},
    {31, "%d: Too many code words"},
    {32, "%d: No PDF bar code data"},
    {33, "%d: Unsupported PDF Mode"},
    {34, "%d: More than the maximum amount of data has been entered"},
    {35, "%d: The dpi specified is invalid"},
    {36, "%d: PDF row count too big ( 3 .. 90 )"},
    {37, "%d: PDF row count too small ( 3 .. 90)"},
    {38, "%d: PDF column count too big ( 1 .. 30)"},
    {39, "%d: PDF column count too small ( 1 .. 30)"},
    {50, "%d: The bar code generated is too large either because or forcedRow and/or forcedCol "
         "settings along with amount of data and pdfSecurity level"},
    {70, "%d: Maxicode buffer overflow"},
    {71, "%d: Maxicode invalid 'ship to postal code'"},
    {72, "%d: Maxicode invalid 'ship to country code'"},
    {73, "%d: Maxicode invalid 'class of service'"},
    {74, "%d: Maxicode invalid 'tracking number'"},
    {75, "%d: Maxicode: invalid 'shipper number'"},
    {76, "%d: Maxicode: invalid 'julian day of pickup'"},
    {77, "%d: Maxicode: invalid 'shipment id number'"},
    {78, "%d: Maxicode: invalid 'package in shipment'"},
    {79, "%d: Maxicode: invalid 'weight'"},
    {80, "%d: Maxicode: invalid 'address validation'"},
    {81, "%d: Maxicode: invalid 'ship to address'"},
    {82, "%d: Maxicode: invalid 'ship to city'"},
    {83, "%d: Maxicode: invalid 'ship to state'"},
};

constexpr const char* kUnlistedText = "%d: NULL,";
constexpr const char* kGenericText = "barcode dll: generic: unknown error %d on \"%s\"";

const char* TextOfNumber(int32_t number) {
    for (const ErrorText& entry : kErrorTexts)
        if (entry.number == number) return entry.text;
    return kUnlistedText;
}

} // namespace

std::string FormatSymbolError(int32_t code, const char* data) {
    if (data == nullptr) data = "";
    int64_t magnitude = std::llabs(static_cast<int64_t>(code));
    const char* format =
        magnitude < 100 ? TextOfNumber(static_cast<int32_t>(magnitude)) : kGenericText;
    int length = std::snprintf(nullptr, 0, format, code, data);
    if (length < 0) return {};
    std::vector<char> text(static_cast<size_t>(length) + 1);
    std::snprintf(text.data(), text.size(), format, code, data);
    return std::string(text.data(), static_cast<size_t>(length));
}
