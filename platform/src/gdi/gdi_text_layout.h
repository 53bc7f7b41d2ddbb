// Where TextOutA puts a run of text: the reference point after the alignment
// flags, each character's pen position, the cell box and the decoration
// lines, all in device pixels, and where TA_UPDATECP leaves the current
// position.
#pragma once

#include "gdi_font_face.h"
#include "gdi_text_units.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace gdi {

struct DevicePoint {
    int64_t x = 0;
    int64_t y = 0;
};

// A convex quadrilateral in device coordinates (the cell box or a line).
using DeviceQuad = std::array<DevicePoint, 4>;

class TextRun {
  public:
    // Lays out count characters for TextOutA at the logical reference point
    // (ignored with TA_UPDATECP) under the DC's alignment flags.
    // escapement: tenths of a degree counter-clockwise on the device.
    TextRun(const DeviceContext& dc, const TextUnits& units, FontFace& font,
            const unsigned char* text, int count, POINT reference, long escapement);

    // The pen position (glyph origin on the baseline) of character i.
    const DevicePoint& Pen(int i) const { return pens_[i]; }
    // The character cells: from the start to the end of the run, from the
    // ascent above the baseline to the descent below it.
    DeviceQuad CellBox() const;
    // A line along the run at position pixels above the baseline (negative:
    // below), thickness pixels thick, placed as GDI places underline and
    // strike-out.
    DeviceQuad Line(int position, int thickness) const;
    // The logical current position TA_UPDATECP leaves (TA_LEFT and TA_RIGHT
    // move it; TA_CENTER does not).
    const std::optional<POINT>& NewCurrentPosition() const { return newCurrentPosition_; }

  private:
    std::vector<DevicePoint> Offsets(const TextUnits& units, FontFace& font,
                                     const unsigned char* text, int count, long escapement);
    void Align(const DeviceContext& dc, const TextUnits& units, POINT reference);

    double cos_ = 1;
    double sin_ = 0;
    int ascent_ = 0;
    int descent_ = 0;
    DevicePoint origin_;  // the aligned start of the baseline
    DevicePoint advance_; // from the start to the end of the run
    std::vector<DevicePoint> pens_;
    std::optional<POINT> newCurrentPosition_;
};

} // namespace gdi
