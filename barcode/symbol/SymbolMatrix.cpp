#include "symbol/SymbolMatrix.h"

#include "symbol/LibraryCodes.h"
#include "symbol/SymbolErrors.h"

int32_t EncodeSymbolMatrix(const SymbolParams& params, const std::string& data,
                           SymbolMatrix& matrix) {
    switch (params.libraryCode) {
    case kLibPdf417:
    case kLibPdf417Truncated:
    case kLibMicroPdf417:
        return EncodePdf417(params, data, matrix);
    case kLibDataMatrix:
        return EncodeDataMatrix(params, data, matrix);
    case kLibQrCode:
        return EncodeQrCode(params, data, matrix);
    case kLibCode49:
    case kLibCode16kAuto:
    case kLibCode16kAuto + 1:
    case kLibCode16kAuto + 2:
    case kLibCode16kC:
        return EncodeCode16k49(params, data, matrix);
    default:
        return -kSymbolUnknownLibraryCode;
    }
}
