// The peer libraries, each wrapped as an operation on fixed data: zint
// (encode alone, and encode with its bitmap), zxing-cpp's writer,
// libqrencode and libdmtx.
#pragma once

#include "BatchTimer.h"

#include <ZXing/BarcodeFormat.h>

#include <memory>
#include <string>

struct zint_symbol;

inline constexpr int kZintDefault = -1000;

struct ZintSettings {
    int symbology = 0;
    int option1 = kZintDefault; // left at zint's default unless given
    int option2 = kZintDefault;
    std::string primary; // MaxiCode's primary message
    float height = 0;    // in modules; 0 leaves zint's default
    float scale = 1.0f;  // bitmap: 1.0 is 2 pixels per module
};

// One zint symbol with its settings, cleared and reused for every run: the
// cheapest way to call zint repeatedly.
class ZintPeer {
  public:
    explicit ZintPeer(const ZintSettings& settings);
    ~ZintPeer();
    ZintPeer(const ZintPeer&) = delete;
    ZintPeer& operator=(const ZintPeer&) = delete;

    bool Encode(const std::string& data);          // ZBarcode_Encode
    bool EncodeAndBuffer(const std::string& data); // ZBarcode_Encode_and_Buffer
    // "width x rows" of the last encoding, and the bitmap's size.
    std::string Shape() const;
    std::string BitmapShape() const;

  private:
    zint_symbol* symbol_;
};

Operation ZintEncode(const ZintSettings& settings, const std::string& data);
Operation ZintEncodeAndBuffer(const ZintSettings& settings, const std::string& data);

// zxing-cpp's MultiFormatWriter at its smallest size, no margin; eccLevel
// -1 leaves the writer's default.
Operation ZxingEncode(ZXing::BarcodeFormat format, int eccLevel, const std::string& data);

// libqrencode at level M: automatic mode segmentation, and 8-bit data only.
Operation QrencodeString(const std::string& data);
Operation QrencodeData(const std::string& data);

// libdmtx with one pixel per module and no margin (it always renders an
// image besides encoding).
Operation LibdmtxEncode(const std::string& data);
