// The QR Code symbol object: checks the request's options, encodes the
// data and hands the module grid with its quiet zone to the drawing code.
#pragma once

#include "symbol/Containers.h"
#include "symbol/SymbolMatrix.h"
#include "symbol/SymbolParams.h"
#include "symbol/qrcode/QrEncoder.h"
#include "symbol/qrcode/QrMatrix.h"

#include <cstdint>
#include <string>

class CQRCode {
  public:
    static constexpr uint32_t kDarkColour = 0x000000;
    static constexpr uint32_t kLightColour = 0xFFFFFF;

    virtual ~CQRCode() = default;

    // The option errors: rotation, mode, version and level out of range.
    static int32_t CheckParameters(const SymbolParams& params);

    // Takes the options and the data and encodes them; 0 or a negative
    // symbol error, kept as Error().
    int32_t Construct(const SymbolParams& params, const std::string& data);

    int32_t Error() const { return error_; }
    int Version() const { return encoder_.Version(); }
    int32_t QuietZone() const { return quietZone_; }
    // Width and height in device pixels, quiet zone included.
    int64_t ExtentPixels() const;
    const CQREncoder& Encoder() const { return encoder_; }
    const CQRMatrix& Matrix() const { return matrix_; }

    // The modules, the quiet zone, and the upright drawing.
    void FillSymbolMatrix(SymbolMatrix& symbol) const;

  private:
    CBufferObject data_;
    bool shiftJis_ = true;
    int32_t error_ = 0;
    int32_t quietZone_ = 0;
    int32_t rotation_ = 0; // checked, but the symbol is always drawn upright
    int32_t moduleSize_ = 4;
    int startVersion_ = 1;
    CQREncoder encoder_;
    CQRMatrix matrix_;
};
