// The dispatch of a linear symbol to its family's encoder, and the limits
// every family shares.
#include "symbol/linear/LinearSymbol.h"

namespace {

// No family needs more elements per data byte than Code 39 full ASCII (two
// characters of ten elements), plus start, stop, check and add-on.
constexpr size_t kElementsPerByteBound = 20;
constexpr size_t kFramingElements = 64;

} // namespace

int32_t EncodeLinear(const LinearRequest& request, LinearSymbol& symbol) {
    symbol = LinearSymbol{};
    if (request.data.size() > kMaxLinearDataLength) return kErrorDataTooLong;
    if (request.text.size() > kMaxLinearDataLength) return kErrorTextTooLong;
    if (request.data.empty()) return kErrorNoData;
    // One allocation up front rather than one each time the elements double;
    // the families append to it as they like.
    symbol.elements.reserve(request.data.size() * kElementsPerByteBound + kFramingElements);
    switch (request.libraryCode) {
    case kLibIndustrial2of5:
    case kLibMatrix2of5:
    case kLibInterleaved2of5:
    case kLibItf14:
    case kLibGermanPtt:
        return EncodeTwoOfFive(request, symbol);
    case kLibCode39:
    case kLibCode39Extended:
    case kLibHibc:
        return EncodeCode39(request, symbol);
    case kLibCode93:
    case kLibCode93Extended:
        return EncodeCode93(request, symbol);
    case kLibCodabar:
        return EncodeCodabar(request, symbol);
    case kLibMsiPlessey:
        return EncodeMsiPlessey(request, symbol);
    case kLibPostnet:
        return EncodePostnet(request, symbol);
    case kLibCode128Auto:
    case kLibCode128A:
    case kLibCode128B:
    case kLibCode128C:
    case kLibEan128Auto:
    case kLibEan128A:
    case kLibEan128B:
    case kLibEan128C:
    case kLibUcc128:
        return EncodeCode128(request, symbol);
    case kLibUpcA:
    case kLibUpcE:
    case kLibEan13:
    case kLibEan8:
    case kLibUpcE0:
    case kLibUpcE1:
        return EncodeEanUpc(request, symbol);
    default:
        return kErrorUnknownLibraryCode;
    }
}
