// Logical/device conversions of text measures (see gdi_text_units.h).
#include "gdi_text_units.h"

#include "gdi_draw.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace gdi {

namespace {

// A degenerate mapping (zero or non-finite scale) measures like MM_TEXT
// instead of producing infinities.
double UsableScale(double scale) {
    return std::isfinite(scale) && scale != 0 ? scale : 1.0;
}

LONG ClampToLong(double value) {
    constexpr double kMin = std::numeric_limits<LONG>::min();
    constexpr double kMax = std::numeric_limits<LONG>::max();
    if (std::isnan(value)) return 0;
    return static_cast<LONG>(std::fmin(std::fmax(value, kMin), kMax));
}

} // namespace

LONG RoundToLong(double value) {
    return ClampToLong(std::floor(value + 0.5));
}

TextUnits::TextUnits(const DeviceContext& dc)
    : dc_(dc), scaleX_(UsableScale(WorldToDevice(dc.state).eM11)),
      scaleY_(UsableScale(WorldToDevice(dc.state).eM22)),
      inverseX_(static_cast<FLOAT>(1.0 / scaleX_)), inverseY_(static_cast<FLOAT>(1.0 / scaleY_)) {}

long TextUnits::FontSizeToDevice(long logical) const {
    return ClampToLong(std::trunc(static_cast<double>(logical) * std::fabs(scaleY_)));
}

LONG TextUnits::WidthToLogical(int64_t device) const {
    return RoundToLong(static_cast<double>(device) * std::fabs(inverseX_));
}

LONG TextUnits::HeightToLogical(int64_t device) const {
    return RoundToLong(static_cast<double>(device) * std::fabs(inverseY_));
}

int TextUnits::HeightRoundTrip(int device) const {
    const POINT vector = VectorToDevice(POINT{0, HeightToLogical(device)});
    return static_cast<int>(std::min<int64_t>(std::llabs(vector.y), INT32_MAX));
}

POINT TextUnits::VectorToDevice(POINT logical) const {
    const POINT origin = ToDevice(POINT{0, 0});
    const POINT end = ToDevice(logical);
    const auto difference = [](LONG a, LONG b) {
        return ClampToLong(static_cast<double>(static_cast<int64_t>(a) - b));
    };
    return POINT{difference(end.x, origin.x), difference(end.y, origin.y)};
}

} // namespace gdi
