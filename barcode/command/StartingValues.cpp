// The starting values of a request.
#include "command/StartingValues.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace {

constexpr int32_t kFallbackTypeId = 1;
constexpr int32_t kFallbackHeightMm = 20;
constexpr int32_t kDefaultPlacement = 16; // lower left corner of the bars at X, Y

// millimetres * dpi * 10 / 254, computed wide: profile values may be anything.
int32_t MillimetresToDots(int32_t millimetres, int32_t dpi) {
    int64_t dots = static_cast<int64_t>(millimetres) * dpi * 10 / 254;
    return static_cast<int32_t>(std::clamp<int64_t>(dots, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

void FillRequestValues(const DefaultSettings& defaults, int32_t deviceDpiX,
                       BarcodeRequest& request) {
    if (request.symbologyId <= 0)
        request.symbologyId = defaults.symbologyId > 0 ? defaults.symbologyId : kFallbackTypeId;
    if (request.targetHeight <= 0) {
        int32_t heightMm = defaults.heightMm != 0 ? defaults.heightMm : kFallbackHeightMm;
        request.targetHeight = MillimetresToDots(heightMm, deviceDpiX);
    }
    if (request.targetWidth <= 0)
        request.targetWidth = MillimetresToDots(defaults.widthMm, deviceDpiX);
    if (request.checkDigit != 1 && request.checkDigit != 2)
        request.checkDigit = defaults.checkDigit;
    if (request.annotation <= 0) request.annotation = defaults.annotation;
    if (request.barWidth1 <= 0) request.barWidth1 = defaults.moduleWidth;
}

void FillParams(const DefaultSettings& defaults, const BitmapTarget& bitmap,
                BarcodeParams& params) {
    params = BarcodeParams{};
    params.rotation = defaults.rotation;
    params.pdfSecurity = defaults.pdfSecurity;
    params.spaceAdjust = defaults.spaceAdjust;
    params.barAdjust = defaults.barAdjust;
    params.emValue = defaults.emValue;
    params.ratio = defaults.ratio;
    params.dmEncodation = defaults.dmEncodation;
    params.dmFormat = defaults.dmFormat;
    params.dmControlChar = defaults.dmControlChar;
    params.dmMargin = defaults.dmMargin;
    params.qrMode = defaults.qrMode;
    params.qrVersion = defaults.qrVersion;
    params.qrEccLevel = defaults.qrEccLevel;
    params.qrFnc1Mode = defaults.qrFnc1Mode;
    params.qrKanji = defaults.qrKanji;
    params.umlautMapping = defaults.umlautMapping;
    params.backslashEscapes = defaults.backslashEscapes;
    params.bitmapMode = bitmap.mode;
    static_assert(sizeof params.specialCodeText == sizeof defaults.specialCodeText);
    std::memcpy(params.specialCodeText, defaults.specialCodeText, sizeof params.specialCodeText);
    // The defaults' texts come from 8-byte profile reads; terminate anyway.
    for (char(&text)[kSpecialCodeTextSize] : params.specialCodeText)
        text[kSpecialCodeTextSize - 1] = '\0';
    params.bitmapDpiX = bitmap.dpiX;
    params.bitmapDpiY = bitmap.dpiY;
    params.idleOption = defaults.idleOption;
    params.placement = kDefaultPlacement;
}

} // namespace

void FillStartingValues(const DefaultSettings& defaults, int32_t deviceDpiX,
                        const BitmapTarget& bitmap, BarcodeRequest& request, BarcodeParams& params,
                        CommandOptions& options) {
    FillRequestValues(defaults, deviceDpiX, request);
    FillParams(defaults, bitmap, params);
    options = CommandOptions{};
    options.referenceDpi = defaults.referenceDpi;
    options.blankTrim = defaults.blankTrim;
    options.windowOriginOffset = defaults.windowOriginOffset;
    options.confirm = defaults.confirm;
}
