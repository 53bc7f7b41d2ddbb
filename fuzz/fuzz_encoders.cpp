// Every encoder on its own: the first bytes choose the symbology and its
// options, the rest is the data.
#include "FuzzInput.h"
#include "symbol/SymbolMatrix.h"
#include "symbol/linear/LinearSymbol.h"
#include "symbol/maxicode/MaxiCodeEncoder.h"

#include <cstdint>

namespace {

constexpr int32_t kLinearCodes[] = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14,
                                    15, 17, 18, 19, 20, 21, 80, 81, 82, 83, 84, 85, 89, 90};
constexpr int32_t kMatrixCodes[] = {16, 87, 88, 86, 28, 22, 23, 24, 25, 26};

SymbolParams MatrixParams(int32_t code, FuzzInput& input) {
    SymbolParams params{};
    params.libraryCode = code;
    params.rotation = input.Byte() % 5;
    params.moduleWidth = 1 + input.Byte() % 4;
    params.height = input.Small();
    params.pdfSecurity = input.Small() / 2;
    params.pdfRows = input.Small() * 4;
    params.pdfColumns = input.Small();
    params.dmEncodation = input.Small() / 4;
    params.dmSize = input.Small() * 2;
    params.margin = input.Small();
    params.qrMode = input.Small() / 4;
    params.qrVersion = input.Small() * 3;
    params.qrLevel = input.Small() / 4;
    params.qrFnc1Mode = input.Byte() % 4;
    params.qrKanji = input.Byte() & 1;
    return params;
}

void EncodeMatrixSymbol(int32_t code, FuzzInput& input) {
    SymbolParams params = MatrixParams(code, input);
    std::string data = input.Rest();
    SymbolMatrix matrix;
    EncodeSymbolMatrix(params, data, matrix);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    const uint8_t family = input.Byte();
    if (family % 3 == 0) {
        LinearRequest request;
        request.libraryCode =
            kLinearCodes[input.Byte() % (sizeof kLinearCodes / sizeof kLinearCodes[0])];
        request.addOnDigits = (input.Byte() % 3) * 2 + (input.Byte() & 1);
        request.checkOption = input.Byte() % 3;
        request.style = input.Byte();
        std::string rest = input.Rest();
        size_t split = rest.size() / 2;
        request.data = rest.substr(0, std::min<size_t>(split, 100));
        request.text = rest.substr(split, 100);
        LinearSymbol symbol;
        EncodeLinear(request, symbol);
    } else if (family % 3 == 1) {
        EncodeMatrixSymbol(
            kMatrixCodes[input.Byte() % (sizeof kMatrixCodes / sizeof kMatrixCodes[0])], input);
    } else {
        MaxiCodeModules modules;
        EncodeMaxiCode(input.Rest(), modules);
    }
    return 0;
}
