#define ZX_USE_UTF8 1
#include "DecodeCheck.h"

#include <ZXing/ReadBarcode.h>

#include <algorithm>

namespace {

// The image turned clockwise by quarter turns, undoing a drawing's
// counter-clockwise rotation.
GrayImage TurnClockwise(const GrayImage& image, int quarterTurns) {
    GrayImage turned = image;
    for (int turn = 0; turn < (quarterTurns & 3); ++turn) {
        GrayImage next;
        next.width = turned.height;
        next.height = turned.width;
        next.pixels.resize(turned.pixels.size());
        for (int y = 0; y < turned.height; ++y)
            for (int x = 0; x < turned.width; ++x)
                next.pixels[static_cast<size_t>(x) * next.width + (turned.height - 1 - y)] =
                    turned.pixels[static_cast<size_t>(y) * turned.width + x];
        turned = next;
    }
    return turned;
}

} // namespace

std::string CheckDecodes(const GrayImage& drawn, const VerifyCase& verifyCase, int rotation) {
    if (drawn.width <= 0 || drawn.height <= 0) return "nothing was drawn";
    const bool upright = verifyCase.reading == "pure-upright";
    // MaxiCode's pure reader wants the symbol alone; everything else is read
    // from the page.
    const GrayImage image = upright ? TurnClockwise(drawn, rotation) : OnWhitePaper(drawn);
    ZXing::DecodeHints hints;
    hints.setTryHarder(true);
    hints.setTryRotate(true);
    hints.setFormats(ZXing::BarcodeFormatFromString(verifyCase.format));
    hints.setTryCode39ExtendedMode(verifyCase.reading == "full-ascii");
    hints.setReturnCodabarStartEnd(verifyCase.reading == "start-stop");
    if (verifyCase.reading == "add-on") hints.setEanAddOnSymbol(ZXing::EanAddOnSymbol::Require);
    hints.setIsPure(upright);
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
