#include "symbol/datamatrix/DataMatrix.h"

#include "symbol/datamatrix/CodewordTrace.h"
#include "symbol/datamatrix/DataEncodation.h"
#include "symbol/datamatrix/Interleaving.h"
#include "symbol/datamatrix/ModulePlacement.h"
#include "symbol/datamatrix/Padding.h"
#include "symbol/datamatrix/SymbolPatterns.h"
#include "symbol/datamatrix/SymbolSizes.h"

using namespace datamatrix;

namespace {

// Beyond this many bytes no encodation fits the largest symbol (two digits
// per codeword is the densest), so the data is refused without encoding it.
constexpr size_t kMaxEncodableBytes = 2 * static_cast<size_t>(kMaxDataCodewords);

} // namespace

CDataMatrix::CDataMatrix(const SymbolParams& params, const std::string& data)
    : DMBasisBarCode(data), rotation_(params.rotation), moduleSize_(params.moduleWidth),
      quietZone_(params.margin), requestedEncodation_(params.dmEncodation),
      requestedSize_(params.dmSize) {}

int32_t CDataMatrix::Validate() const {
    if (rotation_ < 0 || rotation_ > 3) return kDataMatrixRotationError;
    if (requestedEncodation_ < 0 || requestedEncodation_ > kRequestAutomatic)
        return kDataMatrixEncodationError;
    if (requestedSize_ < kAutomaticSize || requestedSize_ >= kSizeCount)
        return kDataMatrixSizeError;
    return 0;
}

int32_t CDataMatrix::Encode() {
    errorCode_ = Validate();
    if (errorCode_ != 0) return errorCode_;
    const size_t size = data_.Length();
    if (size == 0) return 0;
    if (size > kMaxEncodableBytes) return errorCode_ = kDataMatrixTooMuchData;
    const auto* bytes = reinterpret_cast<const uint8_t*>(data_.Data());
    EncodedData encoded = EncodeData(bytes, size, requestedEncodation_);
    if (requestedEncodation_ == kRequestAutomatic) TraceCodewords(encoded.codewords);
    sizeIndex_ = ChooseSymbolSize(encoded, requestedSize_);
    finalEncodation_ = encoded.finalEncodation;
    tailFlag_ = encoded.tailFlag;
    // A too small requested size has already given way to the smallest that
    // fits; none left means the data is beyond the largest symbol.
    if (sizeIndex_ < 0) return errorCode_ = kDataMatrixTooMuchData;
    BuildModules(encoded);
    return 0;
}

void CDataMatrix::BuildModules(EncodedData& encoded) {
    const SymbolSize& size = kSymbolSizes[static_cast<size_t>(sizeIndex_)];
    PadToCapacity(encoded.codewords, static_cast<size_t>(size.dataCodewords));
    codewords_ = AppendErrorCorrection(encoded.codewords, size);
    columns_ =
        BuildSymbolColumns(PlaceCodewords(codewords_, size.mappingRows, size.mappingColumns), size);
}

// The quiet zone lies outside the symbol's extent: the light margin only
// separates this symbol from the next one drawn after it.
void CDataMatrix::Draw(SymbolMatrix& matrix) const {
    matrix = SymbolMatrix();
    if (columns_.empty()) return;
    const int32_t columns = static_cast<int32_t>(columns_.size());
    const int32_t rows = static_cast<int32_t>(columns_.front().Size());
    matrix.Resize(rows, columns);
    for (int32_t column = 0; column < columns; ++column)
        for (int32_t row = 0; row < rows; ++row)
            matrix.Set(row, column,
                       columns_[static_cast<size_t>(column)][static_cast<size_t>(row)] != 0);
}
