// How text measures cross between a DC's logical units and its device pixels.
// GDI (in the GM_COMPATIBLE graphics mode) realizes a font from the LOGFONT's
// height scaled by the mapping's vertical scale, measures in device pixels,
// and reports measures back in logical units, rounded. The scales are the
// diagonal of the logical-to-device transform; text is laid out as in
// GM_COMPATIBLE whatever the graphics mode (a world transform's rotation or
// shear does not turn glyphs).
#pragma once

#include "gdi_internal.h"

#include <cstdint>

namespace gdi {

class TextUnits {
  public:
    explicit TextUnits(const DeviceContext& dc);

    // lfHeight or lfWidth in device pixels: scaled by the vertical scale's
    // magnitude and truncated, as GDI does (checked under Wine with
    // MM_ANISOTROPIC 100:150, where lfHeight -11 gives a 16 px font).
    long FontSizeToDevice(long logical) const;

    // Device measures back in logical units, rounded to nearest.
    LONG WidthToLogical(int64_t device) const;
    LONG HeightToLogical(int64_t device) const;
    // A device height after GDI's trip through logical units and back: what
    // TextOutA aligns with, since it works from GetTextMetrics' values.
    int HeightRoundTrip(int device) const;

    // Exactly one axis mirrored (MM_TWIPS and the other fixed modes flip y):
    // GDI then turns text the other way, so that an escapement of 900 reads
    // downwards on the device (checked under Wine in MM_TWIPS and
    // MM_LOMETRIC).
    bool Mirrored() const { return (scaleX_ < 0) != (scaleY_ < 0); }
    bool MirroredX() const { return scaleX_ < 0; }
    bool MirroredY() const { return scaleY_ < 0; }

    POINT ToDevice(POINT logical) const { return LogicalToDevice(dc_, logical); }
    POINT ToLogical(POINT device) const { return DeviceToLogical(dc_, device); }
    // A logical displacement in device pixels (both ends mapped, then
    // subtracted, as GDI does).
    POINT VectorToDevice(POINT logical) const;

  private:
    const DeviceContext& dc_;
    // The logical-to-device transform's diagonal, signed, and the inverse's,
    // in the single precision GDI keeps them in.
    double scaleX_;
    double scaleY_;
    double inverseX_;
    double inverseY_;
};

// GDI_ROUND: to nearest, halves up, clamped to the LONG range.
LONG RoundToLong(double value);

} // namespace gdi
