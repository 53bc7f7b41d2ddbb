// The symbol library's numbered errors and their texts.
#pragma once

#include <cstdint>
#include <string>

// The library returns these negated.
enum SymbolError : int32_t {
    kSymbolOk = 0,
    kSymbolUnknownLibraryCode = 1,
    kSymbolDataTooLong = 2,
    kSymbolTextTooLong = 3,
    kSymbolInvalidSurface = 4,
    kSymbolCheckOptionRange = 7,
    kSymbolInvalidData = 9,
    kSymbolRotationRange = 11,
    kSymbolAnnotationRange = 12,
    kSymbolRatioRange = 13,
    kSymbolAddOnRange = 14,
    kSymbolNoData = 16,
    kSymbolAlignment = 17,
    kSymbolBitmapCreation = 20,
    kSymbolClipboard = 21,
    kSymbolTooMuchData = 34,
    // The symbologies' own numbers: the table has no text for them, the
    // catalog has their reasons (module 108).
    kSymbolDataMatrixEncodationRange = 120,
    kSymbolDataMatrixSizeRange = 121,
    kSymbolQrModeRange = 130,
    kSymbolQrVersionRange = 131,
    kSymbolQrLevelRange = 132,
};

// The text of error code (negative) for the data, as the request reports it:
// the table's entry formatted with the code and the data, or the generic
// text for codes of magnitude 100 and more.
std::string FormatSymbolError(int32_t code, const char* data);
