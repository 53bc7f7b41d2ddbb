#include "PeerEncoders.h"

#include <ZXing/BitMatrix.h>
#include <ZXing/MultiFormatWriter.h>
#include <dmtx.h>
#include <qrencode.h>
#include <zint.h>

#include <cstring>
#include <exception>

namespace {

const unsigned char* Bytes(const std::string& data) {
    return reinterpret_cast<const unsigned char*>(data.data());
}

} // namespace

ZintPeer::ZintPeer(const ZintSettings& settings) : symbol_(ZBarcode_Create()) {
    symbol_->symbology = settings.symbology;
    if (settings.option1 != kZintDefault) symbol_->option_1 = settings.option1;
    if (settings.option2 != kZintDefault) symbol_->option_2 = settings.option2;
    std::strncpy(symbol_->primary, settings.primary.c_str(), sizeof symbol_->primary - 1);
    if (settings.height > 0) symbol_->height = settings.height;
    symbol_->scale = settings.scale;
}

ZintPeer::~ZintPeer() {
    ZBarcode_Delete(symbol_);
}

bool ZintPeer::Encode(const std::string& data) {
    ZBarcode_Clear(symbol_);
    return ZBarcode_Encode(symbol_, Bytes(data), static_cast<int>(data.size())) < ZINT_ERROR;
}

bool ZintPeer::EncodeAndBuffer(const std::string& data) {
    ZBarcode_Clear(symbol_);
    return ZBarcode_Encode_and_Buffer(symbol_, Bytes(data), static_cast<int>(data.size()), 0) <
               ZINT_ERROR &&
           symbol_->bitmap != nullptr;
}

std::string ZintPeer::Shape() const {
    return std::to_string(symbol_->width) + "x" + std::to_string(symbol_->rows);
}

std::string ZintPeer::BitmapShape() const {
    return std::to_string(symbol_->bitmap_width) + "x" + std::to_string(symbol_->bitmap_height);
}

Operation ZintEncode(const ZintSettings& settings, const std::string& data) {
    auto peer = std::make_shared<ZintPeer>(settings);
    return [peer, data] { return peer->Encode(data); };
}

Operation ZintEncodeAndBuffer(const ZintSettings& settings, const std::string& data) {
    auto peer = std::make_shared<ZintPeer>(settings);
    return [peer, data] { return peer->EncodeAndBuffer(data); };
}

Operation ZxingEncode(ZXing::BarcodeFormat format, int eccLevel, const std::string& data) {
    ZXing::MultiFormatWriter writer(format);
    writer.setMargin(0);
    if (eccLevel >= 0) writer.setEccLevel(eccLevel);
    return [writer, data] {
        try {
            return !writer.encode(data, 0, 0).empty();
        } catch (const std::exception&) {
            return false;
        }
    };
}

Operation QrencodeString(const std::string& data) {
    return [data] {
        QRcode* code = QRcode_encodeString(data.c_str(), 0, QR_ECLEVEL_M, QR_MODE_8, 1);
        const bool ok = code != nullptr;
        QRcode_free(code);
        return ok;
    };
}

Operation QrencodeData(const std::string& data) {
    return [data] {
        QRcode* code =
            QRcode_encodeData(static_cast<int>(data.size()), Bytes(data), 0, QR_ECLEVEL_M);
        const bool ok = code != nullptr;
        QRcode_free(code);
        return ok;
    };
}

Operation LibdmtxEncode(const std::string& data) {
    // The encoder takes a mutable buffer; the copy is made once.
    return [copy = data]() mutable {
        DmtxEncode* encode = dmtxEncodeCreate();
        if (encode == nullptr) return false;
        dmtxEncodeSetProp(encode, DmtxPropModuleSize, 1);
        dmtxEncodeSetProp(encode, DmtxPropMarginSize, 0);
        const bool ok =
            dmtxEncodeDataMatrix(encode, static_cast<int>(copy.size()),
                                 reinterpret_cast<unsigned char*>(copy.data())) == DmtxPass;
        dmtxEncodeDestroy(&encode);
        return ok;
    };
}
