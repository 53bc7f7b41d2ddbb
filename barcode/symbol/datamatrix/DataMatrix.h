// The Data Matrix symbol object: the request's values, the encoding from
// data to module matrix, and the modules handed to whoever draws them.
#pragma once

#include "symbol/Containers.h"
#include "symbol/SymbolErrors.h"
#include "symbol/SymbolMatrix.h"
#include "symbol/SymbolParams.h"
#include "symbol/datamatrix/Codewords.h"

#include <cstdint>
#include <string>
#include <vector>

inline constexpr int32_t kDataMatrixRotationError = -kSymbolRotationRange;
inline constexpr int32_t kDataMatrixEncodationError = -kSymbolDataMatrixEncodationRange;
inline constexpr int32_t kDataMatrixSizeError = -kSymbolDataMatrixSizeRange;
// No size up to 144 x 144 (nor a rectangle) holds the data.
inline constexpr int32_t kDataMatrixTooMuchData = -kSymbolTooMuchData;

// What every matrix symbol object has: its data, background, position and
// error code.
class DMBasisBarCode {
  public:
    explicit DMBasisBarCode(const std::string& data) : data_(data.data(), data.size()) {}
    virtual ~DMBasisBarCode() = default;

    // Hands the modules over for drawing; a symbol without modules has none.
    virtual void Draw(SymbolMatrix& matrix) const { matrix = SymbolMatrix(); }

    int32_t ErrorCode() const { return errorCode_; }

  protected:
    CBufferObject data_;
    uint32_t backgroundColour_ = 0xFFFFFF;
    int32_t x_ = 0;
    int32_t y_ = 0;
    int32_t errorCode_ = 0;
};

class CDataMatrix : public DMBasisBarCode {
  public:
    CDataMatrix(const SymbolParams& params, const std::string& data);

    // Checks the request, encodes the data and builds the modules. Returns
    // 0 or the error code; data that fits no size is refused, empty data
    // gives no modules and 0.
    int32_t Encode();

    void Draw(SymbolMatrix& matrix) const override;

    // The symbol's codewords, data and error correction, in placement order.
    const datamatrix::Codewords& Codewords() const { return codewords_; }
    // The index of the size chosen, -1 while there is none.
    int32_t SizeIndex() const { return sizeIndex_; }
    datamatrix::Encodation FinalEncodation() const { return finalEncodation_; }
    bool TailFlag() const { return tailFlag_; }

  private:
    int32_t Validate() const;
    void BuildModules(datamatrix::EncodedData& encoded);

    int32_t rotation_;
    int32_t moduleSize_;
    int32_t quietZone_;
    int32_t requestedEncodation_;
    int32_t requestedSize_;
    datamatrix::Encodation finalEncodation_ = datamatrix::Encodation::Ascii;
    bool tailFlag_ = false;
    int32_t sizeIndex_ = -1;
    datamatrix::Codewords codewords_;
    std::vector<CIntArray> columns_; // one per module column, 1 = dark
};
