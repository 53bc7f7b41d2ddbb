// PDF417, truncated PDF417 and MicroPDF417: the data is compacted into
// codewords, the symbol size chosen, the spare room padded, the check
// codewords added, and the codewords laid out as module rows.
#include "symbol/SymbolMatrix.h"

#include "log/Log.h"
#include "symbol/LibraryCodes.h"
#include "symbol/SymbolErrors.h"
#include "symbol/pdf417/Pdf417Compaction.h"
#include "symbol/pdf417/Pdf417ErrorCorrection.h"
#include "symbol/pdf417/Pdf417Layout.h"
#include "symbol/pdf417/Pdf417MatrixBuilder.h"

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

namespace pdf417 {
namespace {

constexpr int kTraceLevel = 42;
constexpr int32_t kMaxSecurityLevel = 8;

void TraceInput(const std::string& data) {
    if (!LogWillWrite(kTraceLevel)) return;
    const int length = static_cast<int>(std::min<size_t>(data.size(), INT_MAX));
    LogWrite(kTraceLevel, "PDF 417 input data: \"%*.*s\"\n", length, length, data.c_str());
}

void TraceCodewords(const std::vector<int32_t>& codewords) {
    if (!LogWillWrite(kTraceLevel)) return;
    std::string text;
    for (int32_t codeword : codewords)
        text += std::to_string(codeword) + ' ';
    LogWrite(kTraceLevel, "PDF 417 raw data codewords: \n%s\n", text.c_str());
}

void AppendCheckCodewords(std::vector<int32_t>& codewords, int32_t count) {
    const std::vector<int32_t> check = ErrorCorrectionCodewords(codewords, count);
    codewords.insert(codewords.end(), check.begin(), check.end());
}

int32_t EncodeStackedPdf417(const SymbolParams& params, const std::string& data, bool truncated,
                            SymbolMatrix& matrix) {
    // The first codeword is the symbol length descriptor, known once the
    // padding is.
    std::vector<int32_t> codewords{0};
    int32_t result = CompactData(data, CompactionMode::Text, kMaxPdf417Codewords - 1, codewords);
    if (result != 0) return result;
    const int32_t checkCount = SecurityCodewordCount(params.pdfSecurity);
    const int32_t total = static_cast<int32_t>(codewords.size()) + checkCount;
    if (total > kMaxPdf417Codewords) return kErrorTooManyCodewords;
    SymbolSize size;
    result = ChoosePdf417Size(total, params.pdfRows, params.pdfColumns, size);
    if (result != 0) return result;
    PadCodewords(codewords, static_cast<size_t>(size.rows * size.columns - checkCount));
    codewords[0] = static_cast<int32_t>(codewords.size());
    TraceCodewords(codewords);
    AppendCheckCodewords(codewords, checkCount);
    BuildPdf417Matrix(codewords, size, params.pdfSecurity, truncated, matrix);
    return 0;
}

int32_t EncodeMicroPdf417(const SymbolParams& params, const std::string& data,
                          SymbolMatrix& matrix) {
    std::vector<int32_t> codewords;
    int32_t result = CompactData(data, CompactionMode::None, kMaxMicroDataCodewords, codewords);
    if (result != 0) return result;
    MicroSize size{};
    result = ChooseMicroSize(static_cast<int32_t>(codewords.size()), params.pdfRows,
                             params.pdfColumns, size);
    if (result != 0) return result;
    PadCodewords(codewords, static_cast<size_t>(size.DataCapacity()));
    TraceCodewords(codewords);
    AppendCheckCodewords(codewords, size.checkCodewords);
    BuildMicroMatrix(codewords, size, matrix);
    return 0;
}

} // namespace
} // namespace pdf417

int32_t EncodePdf417(const SymbolParams& params, const std::string& data, SymbolMatrix& matrix) {
    if (params.rotation < 0 || params.rotation > 3) return -kSymbolRotationRange;
    if (params.pdfSecurity < 0 || params.pdfSecurity > pdf417::kMaxSecurityLevel)
        return pdf417::kErrorSecurityLevel;
    pdf417::TraceInput(data);
    switch (params.libraryCode) {
    case kLibPdf417:
        return pdf417::EncodeStackedPdf417(params, data, false, matrix);
    case kLibPdf417Truncated:
        return pdf417::EncodeStackedPdf417(params, data, true, matrix);
    case kLibMicroPdf417:
        return pdf417::EncodeMicroPdf417(params, data, matrix);
    default:
        return -kSymbolUnknownLibraryCode;
    }
}
