// Conversion of command units to device pixels, in integers truncated
// toward zero as the printers' drivers of old did.
#include "render/UnitConversion.h"

#include <algorithm>

namespace {
constexpr int64_t kPixelLimit = int64_t{1} << 22;
}

int32_t LimitPixels(int64_t value) {
    return static_cast<int32_t>(std::clamp(value, -kPixelLimit, kPixelLimit));
}

ReferenceScale ScaleForReference(int32_t dpiX, int32_t dpiY, int32_t referenceDpi) {
    if (referenceDpi < 1) return {};
    return {LimitPixels(int64_t{dpiX} * 100 / referenceDpi),
            LimitPixels(int64_t{dpiY} * 100 / referenceDpi)};
}

int32_t ToDevicePixels(int32_t value, int32_t unit, int32_t dpi, int32_t scale) {
    switch (unit) {
    case kUnitMil:
        return LimitPixels(int64_t{dpi} * value / 1000);
    case kUnitDots:
        return LimitPixels(int64_t{scale} * value / 100);
    default: // millimetres, also without a unit
        return LimitPixels(int64_t{dpi} * value * 10 / 254);
    }
}

int32_t ScaleLineWidth(int32_t value, int32_t scale) {
    return std::max<int32_t>(1, LimitPixels(int64_t{scale} * value / 100));
}

int32_t ScaleDots(int32_t value, int32_t scale) {
    return LimitPixels(int64_t{scale} * value / 100);
}

int32_t QuantiseRatio(int32_t ratio) {
    if (ratio > 21 && ratio < 28) return 25;
    if (ratio >= 28) return 30;
    return 20;
}
