#include "OurEncoders.h"

#include "symbol/LibraryCodes.h"
#include "symbol/SymbolMatrix.h"
#include "symbol/linear/LinearSymbol.h"
#include "symbol/maxicode/MaxiCodeEncoder.h"

namespace {

// The values of the in-memory defaults (automatic Data Matrix encodation
// and size, automatic QR Code mode, level M, Shift-JIS on).
constexpr int32_t kDefaultPdfSecurity = 2;
constexpr int32_t kAutomaticEncodation = 5;
constexpr int32_t kAutomaticSize = -1;
constexpr int32_t kAutomaticQrMode = 4;
constexpr int32_t kQrLevelM = 1;

int32_t EncodeByCode(const SymbolParams& params, const std::string& data, SymbolMatrix& matrix) {
    switch (params.libraryCode) {
    case kLibDataMatrix:
        return EncodeDataMatrix(params, data, matrix);
    case kLibQrCode:
        return EncodeQrCode(params, data, matrix);
    case kLibPdf417:
    case kLibPdf417Truncated:
    case kLibMicroPdf417:
        return EncodePdf417(params, data, matrix);
    default:
        return EncodeCode16k49(params, data, matrix);
    }
}

} // namespace

SymbolParams DefaultSymbolParams(int32_t libraryCode) {
    SymbolParams params{};
    params.libraryCode = libraryCode;
    params.moduleWidth = 2;
    params.height = 236;
    params.ratio = 30;
    params.pdfSecurity = kDefaultPdfSecurity;
    params.dmEncodation = kAutomaticEncodation;
    params.dmSize = kAutomaticSize;
    params.qrMode = kAutomaticQrMode;
    params.qrLevel = kQrLevelM;
    params.qrKanji = 1;
    return params;
}

LinearRequest OurLinearRequest(int32_t libraryCode, int32_t checkOption, const std::string& data) {
    LinearRequest request;
    request.libraryCode = libraryCode;
    request.checkOption = checkOption;
    request.data = data;
    return request;
}

bool EncodeOurLinear(const LinearRequest& request) {
    LinearSymbol symbol;
    return EncodeLinear(request, symbol) == 0;
}

bool EncodeOurMatrix(const SymbolParams& params, const std::string& data) {
    SymbolMatrix matrix;
    return EncodeByCode(params, data, matrix) == 0 && matrix.rows > 0;
}

bool EncodeOurMaxiCode(const std::string& data) {
    MaxiCodeModules modules;
    return EncodeMaxiCode(data, modules) == 0;
}

std::string OurMatrixShape(const SymbolParams& params, const std::string& data) {
    SymbolMatrix matrix;
    if (EncodeByCode(params, data, matrix) != 0) return "failed";
    return std::to_string(matrix.columns) + "x" + std::to_string(matrix.rows);
}
