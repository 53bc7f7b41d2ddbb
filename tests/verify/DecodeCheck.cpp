#define ZX_USE_UTF8 1
#include "DecodeCheck.h"

#include <ZXing/ReadBarcode.h>

std::string CheckDecodes(const GrayImage& image, const VerifyCase& verifyCase) {
    if (image.width <= 0 || image.height <= 0) return "nothing was drawn";
    ZXing::DecodeHints hints;
    hints.setTryHarder(true);
    hints.setTryRotate(true);
    hints.setFormats(ZXing::BarcodeFormatFromString(verifyCase.format));
    hints.setTryCode39ExtendedMode(verifyCase.reading == "full-ascii");
    hints.setReturnCodabarStartEnd(verifyCase.reading == "start-stop");
    if (verifyCase.reading == "add-on") hints.setEanAddOnSymbol(ZXing::EanAddOnSymbol::Require);
    ZXing::ImageView view(image.pixels.data(), image.width, image.height, ZXing::ImageFormat::Lum);
    ZXing::Result result = ZXing::ReadBarcode(view, hints);
    if (!result.isValid())
        return "zxing-cpp reads no " + verifyCase.format + " in the " +
               std::to_string(image.width) + "x" + std::to_string(image.height) + " image";
    std::string text = result.text();
    if (text != verifyCase.expected)
        return "zxing-cpp reads \"" + text + "\", expected \"" + verifyCase.expected + "\"";
    if (!verifyCase.identifier.empty() && result.symbologyIdentifier() != verifyCase.identifier)
        return "zxing-cpp reports " + result.symbologyIdentifier() + ", expected " +
               verifyCase.identifier;
    return {};
}
