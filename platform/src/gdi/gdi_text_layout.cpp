// Text placement (see gdi_text_layout.h). The steps are those of GDI's
// ExtTextOut as Wine implements it (dlls/win32u/font.c), checked under Wine
// for TA_LEFT|TA_TOP, TA_CENTER|TA_BASELINE and TA_RIGHT|TA_BOTTOM at
// escapements 0, 900, 1800 and 2700 in MM_TEXT, MM_TWIPS and MM_LOMETRIC.
#include "gdi_text_layout.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace gdi {

namespace {

// cos and sin of an escapement; quarter turns exactly, so that rotated text
// lands on the same pixels as unrotated text turned.
void Direction(long escapement, double& cosine, double& sine) {
    const long angle = ((escapement % 3600) + 3600) % 3600;
    switch (angle) {
    case 0:
        cosine = 1, sine = 0;
        return;
    case 900:
        cosine = 0, sine = 1;
        return;
    case 1800:
        cosine = -1, sine = 0;
        return;
    case 2700:
        cosine = 0, sine = -1;
        return;
    default:
        cosine = std::cos(angle * std::numbers::pi / 1800);
        sine = std::sin(angle * std::numbers::pi / 1800);
    }
}

// C's double-to-integer conversion, which GDI's arithmetic relies on.
int64_t Truncate(double value) {
    if (!std::isfinite(value)) return 0;
    return static_cast<int64_t>(std::fmax(std::fmin(value, 9.0e15), -9.0e15));
}

DevicePoint Plus(DevicePoint a, DevicePoint b) {
    return {a.x + b.x, a.y + b.y};
}

// A mapped displacement along the text: GDI keeps text reading the same way
// whatever the directions of the mapping's axes.
DevicePoint Unmirrored(const TextUnits& units, POINT device) {
    DevicePoint result{device.x, device.y};
    if (units.MirroredX()) result.x = -result.x;
    if (units.MirroredY()) result.y = -result.y;
    return result;
}

// A device point as a POINT, clamped to its range.
POINT ToPoint(DevicePoint p) {
    const auto clamp = [](int64_t v) {
        return static_cast<LONG>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
    };
    return POINT{clamp(p.x), clamp(p.y)};
}

} // namespace

TextRun::TextRun(const DeviceContext& dc, const TextUnits& units, FontFace& font,
                 const unsigned char* text, int count, POINT reference, long escapement) {
    Direction(escapement, cos_, sin_);
    // The alignment works from GetTextMetrics' logical values turned back
    // into device pixels.
    ascent_ = units.HeightRoundTrip(font.Metrics().tmAscent);
    descent_ = units.HeightRoundTrip(font.Metrics().tmDescent);
    const std::vector<DevicePoint> offsets = Offsets(units, font, text, count, escapement);
    Align(dc, units, reference);
    pens_.reserve(count);
    for (int i = 0; i < count; ++i)
        pens_.push_back(Plus(origin_, offsets[i]));
}

// Each character's pen offset from the start of the run. Unrotated text
// advances by the drawn glyphs' device advances; rotated text by the logical
// extents up to each character, turned and mapped (so a rotated run in an
// anisotropic mapping stretches like the vertical axis, as in GDI). The run's
// advance, which the alignment uses, is its logical extent mapped back to the
// device.
std::vector<DevicePoint> TextRun::Offsets(const TextUnits& units, FontFace& font,
                                          const unsigned char* text, int count, long escapement) {
    std::vector<DevicePoint> offsets(count + 1);
    int64_t devicePosition = 0;
    int64_t drawnPosition = 0;
    for (int i = 0; i < count; ++i) {
        devicePosition += font.Glyph(text[i]).advance;
        if (escapement == 0) {
            drawnPosition += font.DrawnAdvance(text[i]);
            offsets[i + 1] = {drawnPosition, 0};
            continue;
        }
        const double logical = units.WidthToLogical(devicePosition);
        POINT turned{static_cast<LONG>(Truncate(cos_ * logical)),
                     static_cast<LONG>(Truncate(-sin_ * logical))};
        offsets[i + 1] = Unmirrored(units, units.VectorToDevice(turned));
    }
    if (escapement == 0) {
        const POINT extent = units.VectorToDevice(POINT{units.WidthToLogical(devicePosition), 0});
        advance_ = {Unmirrored(units, extent).x, 0};
    } else {
        advance_ = offsets[count];
    }
    offsets.pop_back();
    return offsets;
}

void TextRun::Align(const DeviceContext& dc, const TextUnits& units, POINT reference) {
    const UINT align = dc.state.textAlign;
    const bool updateCp = (align & TA_UPDATECP) != 0;
    if (updateCp) reference = dc.state.currentPosition;
    const POINT device = units.ToDevice(reference);
    DevicePoint start{device.x, device.y};

    switch (align & (TA_LEFT | TA_RIGHT | TA_CENTER)) {
    case TA_LEFT:
        if (updateCp) newCurrentPosition_ = units.ToLogical(ToPoint(Plus(start, advance_)));
        break;
    case TA_CENTER:
        start.x -= advance_.x / 2;
        start.y -= advance_.y / 2;
        break;
    case TA_RIGHT:
        start.x -= advance_.x;
        start.y -= advance_.y;
        if (updateCp) newCurrentPosition_ = units.ToLogical(ToPoint(start));
        break;
    }

    // The reference point is on the top or bottom of the cells, or on the
    // baseline; "top" turns with the text.
    switch (align & (TA_TOP | TA_BOTTOM | TA_BASELINE)) {
    case TA_TOP:
        start.y = Truncate(start.y + ascent_ * cos_);
        start.x = Truncate(start.x + ascent_ * sin_);
        break;
    case TA_BOTTOM:
        start.y = Truncate(start.y - descent_ * cos_);
        start.x = Truncate(start.x - descent_ * sin_);
        break;
    }
    origin_ = start;
}

// The box covers the cells of the turned run. (Wine fills an axis-parallel
// box from the run's horizontal extent instead, which for 900 and 2700 is
// empty: under Wine turned text gets no background at all.)
DeviceQuad TextRun::CellBox() const {
    const double upX = -sin_, upY = -cos_;
    const DevicePoint top{Truncate(origin_.x + upX * ascent_), Truncate(origin_.y + upY * ascent_)};
    const DevicePoint bottom{Truncate(origin_.x - upX * descent_),
                             Truncate(origin_.y - upY * descent_)};
    return {top, Plus(top, advance_), Plus(bottom, advance_), bottom};
}

DeviceQuad TextRun::Line(int position, int thickness) const {
    const double offset = position + thickness / 2; // integer halving, as GDI
    const DevicePoint start{Truncate(origin_.x - offset * sin_),
                            Truncate(origin_.y - offset * cos_)};
    const DevicePoint end{Truncate(origin_.x + advance_.x - offset * sin_),
                          Truncate(origin_.y + advance_.y - offset * cos_)};
    const DevicePoint across{Truncate(thickness * sin_), Truncate(thickness * cos_)};
    return {start, end, Plus(end, across), Plus(start, across)};
}

} // namespace gdi
