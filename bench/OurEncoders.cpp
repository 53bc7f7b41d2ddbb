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
    return EncodeSymbolMatrix(params, data, matrix) == 0 && matrix.rows > 0;
}

bool EncodeOurMaxiCode(const std::string& data) {
    MaxiCodeModules modules;
    return EncodeMaxiCode(data, modules) == 0;
}

std::string OurMatrixShape(const SymbolParams& params, const std::string& data) {
    SymbolMatrix matrix;
    if (EncodeSymbolMatrix(params, data, matrix) != 0) return "failed";
    return std::to_string(matrix.columns) + "x" + std::to_string(matrix.rows);
}
