// BitBlt and StretchBlt between device contexts.
//
// Both map their rectangles through each DC's mapping; equal device sizes
// copy pixel for pixel, different sizes stretch. The stretch follows Wine's
// DIB engine, which pairs source and destination pixels along each axis like
// a Bresenham line with an error start of 3 * short - 2 * long:
// - Growing an axis repeats source pixels; shrinking merges several source
//   pixels into one destination pixel according to the destination DC's
//   stretch mode: BLACKONWHITE ANDs them (black survives on white),
//   WHITEONBLACK ORs them, COLORONCOLOR keeps one (the last of a run along a
//   row, the first row of a run of rows).
// - When both axes grow, every mode repeats pixels.
// - HALFTONE interpolates bilinearly (see Halftone).
// - A negative width or height on one side only mirrors the image.
// Monochrome sources take the destination DC's text colour for black and
// background colour for white; colour sources drawn onto a monochrome
// bitmap become white where they have the source DC's background colour and
// black elsewhere. The raster operation then combines the result with the
// destination (and the brush, for operations that use it).
#include "gdi_draw.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <new>

using gdi::CeilDiv;
using gdi::DeviceContext;
using gdi::FloorDiv;
using gdi::GdiLock;
using gdi::Raster;

namespace {

// A blit rectangle in device coordinates: the start pixel and a signed size.
struct DeviceSpan {
    int x, y, width, height;
};

DeviceSpan MapSpan(const DeviceContext& dc, int x, int y, int width, int height) {
    POINT a = gdi::LogicalToDevice(dc, {x, y});
    POINT b = gdi::LogicalToDevice(
        dc, {gdi::Saturate(int64_t(x) + width), gdi::Saturate(int64_t(y) + height)});
    return {a.x, a.y, gdi::Saturate(int64_t(b.x) - a.x), gdi::Saturate(int64_t(b.y) - a.y)};
}

bool Intersect(RECT a, RECT b, RECT& out) {
    out = {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
           std::min(a.bottom, b.bottom)};
    return out.left < out.right && out.top < out.bottom;
}

RECT Bounds(const Raster& raster) {
    return {0, 0, raster.width, raster.height};
}

// How source pixels become destination pixels when the formats differ.
struct SourceReader {
    const Raster& source;
    bool monoToColour = false;
    bool colourToMono = false;
    uint32_t black = 0, white = gdi::kRgbMask; // monochrome source colours
    uint32_t background = 0;                   // colour source's background

    uint32_t operator()(int x, int y) const { return Convert(source.At(x, y)); }
    uint32_t Convert(uint32_t pixel) const {
        pixel &= gdi::kRgbMask;
        if (monoToColour) return pixel ? white : black;
        if (colourToMono) return pixel == background ? gdi::kRgbMask : 0;
        return pixel;
    }
    const uint32_t* Row(int y) const { return source.pixels.data() + size_t(y) * source.width; }
};

SourceReader ReaderFor(const DeviceContext& destination, const Raster& target,
                       const DeviceContext& sourceDc, const Raster& source) {
    SourceReader reader{source};
    if (source.monochrome && !target.monochrome) {
        reader.monoToColour = true;
        reader.black = gdi::ResolveColor(destination.state.textColor);
        reader.white = gdi::ResolveColor(destination.state.bkColor);
    } else if (!source.monochrome && target.monochrome) {
        reader.colourToMono = true;
        reader.background = gdi::ResolveColor(sourceDc.state.bkColor);
    }
    return reader;
}

// One axis of a stretch: which source coordinates feed each destination
// coordinate, restricted to the visible parts of both.
class StretchAxis {
  public:
    StretchAxis(int dstStart, int dstLength, int srcStart, int srcLength, int srcLow, int srcHigh)
        : dstStart_(dstStart), dstStep_(dstLength < 0 ? -1 : 1), dstCount_(std::llabs(dstLength)),
          srcStart_(srcStart), srcStep_(srcLength < 0 ? -1 : 1), srcCount_(std::llabs(srcLength)),
          srcLow_(srcLow), srcHigh_(srcHigh) {}

    bool Shrinks() const { return srcCount_ > dstCount_; }

    // The source coordinates for destination coordinate x, in reading
    // order; empty when x is outside the stretched rectangle or all its
    // sources are outside the source bitmap.
    void Sources(int x, std::vector<int>& out) const {
        out.clear();
        int64_t j = (int64_t(x) - dstStart_) * dstStep_;
        if (j < 0 || j >= dstCount_) return;
        int64_t first, last; // source steps, inclusive
        if (Shrinks()) {
            first = FirstSourceOf(j);
            last = FirstSourceOf(j + 1) - 1;
            // Shrinking onto a single pixel (forwards on both sides), Wine
            // leaves out the last source pixel; checked for 2 to 8 pixels in
            // all modes, across and down.
            if (dstCount_ == 1 && dstStep_ > 0 && srcStep_ > 0) last = srcCount_ - 2;
        } else {
            first = last = std::max<int64_t>(
                0, CeilDiv(2 * srcCount_ * j + srcCount_ - 2 * dstCount_, 2 * dstCount_));
        }
        // Keep only the steps whose coordinate lies in the visible source.
        int64_t visibleFirst, visibleLast;
        if (srcStep_ > 0) {
            visibleFirst = srcLow_ - srcStart_;
            visibleLast = srcHigh_ - 1 - srcStart_;
        } else {
            visibleFirst = srcStart_ - (srcHigh_ - 1);
            visibleLast = srcStart_ - srcLow_;
        }
        first = std::max(first, visibleFirst);
        last = std::min(last, visibleLast);
        for (int64_t k = first; k <= last; ++k)
            out.push_back(static_cast<int>(srcStart_ + srcStep_ * k));
    }

  private:
    // When shrinking, source step k lands on destination step
    // ceil((2 D k + D - 2 S) / (2 S)); the first k of destination step j is:
    int64_t FirstSourceOf(int64_t j) const {
        if (j <= 0) return 0;
        return FloorDiv(2 * srcCount_ * j - dstCount_, 2 * dstCount_) + 1;
    }

    int64_t dstStart_, dstStep_, dstCount_;
    int64_t srcStart_, srcStep_, srcCount_;
    int64_t srcLow_, srcHigh_;
};

uint32_t Merge(int mode, uint32_t accumulated, uint32_t pixel) {
    if (mode == STRETCH_ANDSCANS) return accumulated & pixel;
    if (mode == STRETCH_ORSCANS) return accumulated | pixel;
    return pixel;
}

// The stretched source image over the visible destination rectangle. A
// stretch may leave pixels unwritten (where no source pixel lands), and those
// keep the destination; a halftone writes them all and keeps no flags.
class StretchedImage {
  public:
    enum class Pixels { kSomeWritten, kAllWritten };
    StretchedImage(RECT area, Pixels pixels = Pixels::kSomeWritten)
        : area_(area), allWritten_(pixels == Pixels::kAllWritten) {
        width_ = area.right - area.left;
        pixels_.assign(static_cast<size_t>(width_) * (area.bottom - area.top), 0);
        if (!allWritten_) written_.assign(pixels_.size(), false);
    }

    // Puts source row `row` into destination row y with the row rules of
    // the given mode; `keep` merges into what the row already holds.
    // columns[i] lists the source columns of destination column left + i.
    void PutRow(int y, int row, const std::vector<std::vector<int>>& columns, bool shrinks,
                const SourceReader& read, int mode, bool keep) {
        for (int x = area_.left; x < area_.right; ++x) {
            const std::vector<int>& sources = columns[size_t(x - area_.left)];
            if (sources.empty()) continue;
            size_t at = Index(x, y);
            uint32_t value;
            if (shrinks) {
                if (mode == STRETCH_DELETESCANS) {
                    value = read(sources.back(), row);
                } else {
                    value = keep ? pixels_[at] : (mode == STRETCH_ANDSCANS ? ~0u : 0u);
                    for (int source : sources)
                        value = Merge(mode, value, read(source, row));
                }
            } else {
                value = read(sources.front(), row);
                if (keep && mode != STRETCH_DELETESCANS) value = Merge(mode, pixels_[at], value);
            }
            pixels_[at] = value;
            written_[at] = true;
            drawn_ = true;
        }
    }

    void Put(int x, int y, uint32_t value) {
        pixels_[Index(x, y)] = value;
        if (!allWritten_) written_[Index(x, y)] = true;
        drawn_ = true;
    }
    // The pixels of row y from the area's left edge, when all are written.
    uint32_t* AllWrittenRow(int y) {
        drawn_ = true;
        return pixels_.data() + Index(area_.left, y);
    }
    bool Drawn() const { return drawn_; }
    bool AllWritten() const { return allWritten_; }
    bool Written(int x, int y) const { return allWritten_ || written_[Index(x, y)]; }
    uint32_t At(int x, int y) const { return pixels_[Index(x, y)]; }

  private:
    size_t Index(int x, int y) const {
        return static_cast<size_t>(y - area_.top) * width_ + (x - area_.left);
    }
    RECT area_;
    bool allWritten_;
    int width_;
    std::vector<uint32_t> pixels_;
    std::vector<bool> written_;
    bool drawn_ = false;
};

StretchedImage Stretch(RECT area, const DeviceSpan& dst, const DeviceSpan& src, RECT srcVisible,
                       const SourceReader& read, int mode) {
    StretchAxis horizontal(dst.x, dst.width, src.x, src.width, srcVisible.left, srcVisible.right);
    StretchAxis vertical(dst.y, dst.height, src.y, src.height, srcVisible.top, srcVisible.bottom);
    StretchedImage image(area);
    std::vector<std::vector<int>> columns(static_cast<size_t>(area.right - area.left));
    for (int x = area.left; x < area.right; ++x)
        horizontal.Sources(x, columns[size_t(x - area.left)]);
    const bool shrinks = horizontal.Shrinks();
    std::vector<int> rows;
    for (int y = area.top; y < area.bottom; ++y) {
        vertical.Sources(y, rows);
        if (rows.empty()) continue;
        if (!vertical.Shrinks()) {
            int rowMode = shrinks ? mode : STRETCH_DELETESCANS;
            image.PutRow(y, rows.front(), columns, shrinks, read, rowMode, false);
        } else if (mode == STRETCH_DELETESCANS) {
            image.PutRow(y, rows.front(), columns, shrinks, read, mode, false);
        } else {
            for (size_t i = 0; i < rows.size(); ++i)
                image.PutRow(y, rows[i], columns, shrinks, read, mode, i > 0);
        }
    }
    return image;
}

// HALFTONE in Wine 8 interpolates bilinearly: it steps through the source
// rectangle in single precision (source size / destination size per pixel,
// from the last pixel when mirrored), clamped to the rectangle, and blends
// the four neighbouring pixels of each channel, rounding half up. Both
// rectangles are the visible parts, so clipping changes the scale, as there.
bool IsGray(uint32_t pixel) {
    return ((pixel ^ (pixel >> 8)) & 0xFFFF) == 0;
}

// RowFor(y) gives where destination row y's pixels from the area's left edge
// go. False when the source rectangle shows nothing (nothing is written).
template <class RowFor>
bool Halftone(RECT area, const DeviceSpan& dst, const DeviceSpan& src, RECT srcVisible,
              const SourceReader& read, bool monochrome, RowFor rowFor) {
    RECT source;
    if (!Intersect(gdi::BoundingRect(src.x, src.y, src.width, src.height), srcVisible, source))
        return false;
    const int dstWidth = area.right - area.left, dstHeight = area.bottom - area.top;
    const bool mirroredX = (dst.width < 0) != (src.width < 0);
    const bool mirroredY = (dst.height < 0) != (src.height < 0);
    const float stepX =
        float(source.right - source.left) / float(dstWidth) * (mirroredX ? -1.0f : 1.0f);
    const float stepY =
        float(source.bottom - source.top) / float(dstHeight) * (mirroredY ? -1.0f : 1.0f);
    auto clampf = [](float v, float low, float high) { return std::max(low, std::min(v, high)); };
    auto lerp = [](int start, int end, float delta) {
        return static_cast<int>(
            static_cast<unsigned char>(float(start) + float(end - start) * delta + 0.5f));
    };
    auto channel = [](uint32_t pixel, int shift) { return int((pixel >> shift) & 0xFF); };
    // The columns step the same way on every row: where each one samples is
    // worked out once.
    struct Tap {
        int x0, x1;
        float dx;
    };
    std::vector<Tap> taps(static_cast<size_t>(dstWidth));
    float fx = float(mirroredX ? source.right - 1 : source.left);
    for (Tap& tap : taps) {
        fx = clampf(fx, float(source.left), float(source.right - 1));
        tap.x0 = static_cast<int>(fx);
        tap.x1 = std::clamp(tap.x0 + 1, int(source.left), int(source.right - 1));
        tap.dx = fx - float(tap.x0);
        fx += stepX;
    }
    float fy = float(mirroredY ? source.bottom - 1 : source.top);
    for (int row = 0; row < dstHeight; ++row) {
        fy = clampf(fy, float(source.top), float(source.bottom - 1));
        int y0 = static_cast<int>(fy);
        int y1 = std::clamp(y0 + 1, int(source.top), int(source.bottom - 1));
        float dy = fy - float(y0);
        const uint32_t* topRow = read.Row(y0);
        const uint32_t* bottomRow = read.Row(y1);
        uint32_t* out = rowFor(area.top + row);
        for (int column = 0; column < dstWidth; ++column) {
            const int x0 = taps[size_t(column)].x0, x1 = taps[size_t(column)].x1;
            const float dx = taps[size_t(column)].dx;
            uint32_t c00 = read.Convert(topRow[x0]), c01 = read.Convert(topRow[x1]),
                     c10 = read.Convert(bottomRow[x0]), c11 = read.Convert(bottomRow[x1]);
            // Four equal neighbours blend to themselves (a blend of equal
            // values rounds back to the value): the inside of every bar
            // and module, most of a stretched symbol.
            uint32_t value = c00;
            if (c00 != c01 || c00 != c10 || c00 != c11) {
                auto blend = [&](int shift) {
                    int top = lerp(channel(c00, shift), channel(c01, shift), dx);
                    int bottom = lerp(channel(c10, shift), channel(c11, shift), dx);
                    return uint32_t(lerp(top, bottom, dy));
                };
                // Gray neighbours (black and white symbols) blend to the
                // same value in every channel: it is worked out once.
                if (IsGray(c00) && IsGray(c01) && IsGray(c10) && IsGray(c11))
                    value = blend(0) * 0x010101u;
                else
                    value = blend(0) | blend(8) << 8 | blend(16) << 16;
            }
            if (monochrome) value = gdi::NearestBlackOrWhite(value);
            out[column] = value & gdi::kRgbMask;
        }
        fy += stepY;
    }
    return true;
}

// The halftone as an image of its own, for raster operations other than a
// copy and for a source that is the destination itself.
StretchedImage HalftoneImage(RECT area, const DeviceSpan& dst, const DeviceSpan& src,
                             RECT srcVisible, const SourceReader& read, bool monochrome) {
    StretchedImage image(area, StretchedImage::Pixels::kAllWritten);
    if (!Halftone(area, dst, src, srcVisible, read, monochrome,
                  [&](int y) { return image.AllWrittenRow(y); }))
        return StretchedImage(area);
    return image;
}

// Wine narrows both visible rectangles of a stretch to what the other side
// maps onto (with a pixel to spare each way for rounding), and moves the
// destination when a source mirrored in one direction only does not fit in
// its bitmap. False when nothing is left to draw.
bool NarrowStretchRects(DeviceSpan& dst, RECT& dstVisible, const DeviceSpan& src,
                        RECT& srcVisible) {
    auto scale = [](int64_t value, int64_t numerator, int64_t denominator) {
        return static_cast<LONG>(
            std::clamp<int64_t>(value * numerator / denominator, INT_MIN, INT_MAX));
    };
    auto order = [](RECT& r) {
        if (r.left > r.right) std::swap(r.left, r.right);
        if (r.top > r.bottom) std::swap(r.top, r.bottom);
    };
    RECT rect = srcVisible;
    int64_t offsetX = -int64_t(src.x) - (src.width < 0 ? 1 : 0);
    int64_t offsetY = -int64_t(src.y) - (src.height < 0 ? 1 : 0);
    rect = {scale(rect.left + offsetX, dst.width, src.width),
            scale(rect.top + offsetY, dst.height, src.height),
            scale(rect.right + offsetX, dst.width, src.width),
            scale(rect.bottom + offsetY, dst.height, src.height)};
    order(rect);
    if (src.width < 0 && dst.width > 0 &&
        (int64_t(src.x) + src.width + 1 < srcVisible.left || src.x > srcVisible.right))
        dst.x = gdi::Saturate(int64_t(dst.x) + dst.width - rect.right - rect.left);
    else if (src.width > 0 && dst.width < 0 &&
             (src.x < srcVisible.left || int64_t(src.x) + src.width > srcVisible.right))
        dst.x = gdi::Saturate(int64_t(dst.x) - rect.right + dst.width - rect.left);
    if (src.height < 0 && dst.height > 0 &&
        (int64_t(src.y) + src.height + 1 < srcVisible.top || src.y > srcVisible.bottom))
        dst.y = gdi::Saturate(int64_t(dst.y) + dst.height - rect.bottom - rect.top);
    else if (src.height > 0 && dst.height < 0 &&
             (src.y < srcVisible.top || int64_t(src.y) + src.height > srcVisible.bottom))
        dst.y = gdi::Saturate(int64_t(dst.y) - rect.bottom + dst.height - rect.top);
    RECT reach = {gdi::Saturate(int64_t(rect.left) + dst.x - 1),
                  gdi::Saturate(int64_t(rect.top) + dst.y - 1),
                  gdi::Saturate(int64_t(rect.right) + dst.x + 1),
                  gdi::Saturate(int64_t(rect.bottom) + dst.y + 1)};
    if (!Intersect(reach, dstVisible, dstVisible)) return false;

    offsetX = -int64_t(dst.x) - (dst.width < 0 ? 1 : 0);
    offsetY = -int64_t(dst.y) - (dst.height < 0 ? 1 : 0);
    rect = {
        gdi::Saturate(src.x + int64_t(scale(dstVisible.left + offsetX, src.width, dst.width))),
        gdi::Saturate(src.y + int64_t(scale(dstVisible.top + offsetY, src.height, dst.height))),
        gdi::Saturate(src.x + int64_t(scale(dstVisible.right + offsetX, src.width, dst.width))),
        gdi::Saturate(src.y + int64_t(scale(dstVisible.bottom + offsetY, src.height, dst.height)))};
    order(rect);
    reach = {gdi::Saturate(int64_t(rect.left) - 1), gdi::Saturate(int64_t(rect.top) - 1),
             gdi::Saturate(int64_t(rect.right) + 1), gdi::Saturate(int64_t(rect.bottom) + 1)};
    return Intersect(reach, srcVisible, srcVisible);
}

// Equal sizes: each destination pixel takes the source pixel at the same
// offset (copied first, so overlapping blits within one bitmap work).
void CopyUnstretched(Raster& target, RECT dstVisible, const DeviceSpan& dst, const DeviceSpan& src,
                     RECT srcVisible, const SourceReader& read, DWORD rop,
                     const gdi::Paint& pattern) {
    const int64_t shiftX = int64_t(dst.x) - src.x, shiftY = int64_t(dst.y) - src.y;
    RECT shifted = {gdi::Saturate(srcVisible.left + shiftX), gdi::Saturate(srcVisible.top + shiftY),
                    gdi::Saturate(srcVisible.right + shiftX),
                    gdi::Saturate(srcVisible.bottom + shiftY)};
    RECT area;
    if (!Intersect(shifted, dstVisible, area)) return;
    const int width = area.right - area.left;
    std::vector<uint32_t> copy(static_cast<size_t>(width) * (area.bottom - area.top));
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            copy[size_t(y - area.top) * width + (x - area.left)] =
                read(static_cast<int>(x - shiftX), static_cast<int>(y - shiftY));
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) {
            uint32_t source = copy[size_t(y - area.top) * width + (x - area.left)];
            target.Set(x, y, gdi::ApplyRop3(rop, pattern.At(x, y), source, target.At(x, y)));
        }
}

BOOL Blit(HDC destination, int x, int y, int width, int height, HDC source, int sourceX,
          int sourceY, int sourceWidth, int sourceHeight, DWORD rop) {
    if (!gdi::RopUsesSource(rop)) return PatBlt(destination, x, y, width, height, rop);
    std::lock_guard<std::recursive_mutex> lock(GdiLock());
    DeviceContext* dstDc = gdi::LookupDC(destination);
    DeviceContext* srcDc = gdi::LookupDC(source);
    if (!dstDc || !srcDc) return FALSE;
    Raster* target = gdi::TargetRaster(*dstDc);
    Raster* sourceRaster = gdi::TargetRaster(*srcDc);
    if (!sourceRaster) return FALSE; // the screen cannot be read
    if (!target) return TRUE;

    DeviceSpan dst = MapSpan(*dstDc, x, y, width, height);
    DeviceSpan src = MapSpan(*srcDc, sourceX, sourceY, sourceWidth, sourceHeight);
    RECT dstVisible, srcVisible;
    // Nothing visible on either side draws nothing, and succeeds.
    if (!Intersect(gdi::BoundingRect(dst.x, dst.y, dst.width, dst.height), Bounds(*target),
                   dstVisible) ||
        !Intersect(gdi::BoundingRect(src.x, src.y, src.width, src.height), Bounds(*sourceRaster),
                   srcVisible))
        return TRUE;

    gdi::Paint pattern;
    gdi::BrushPaint(*dstDc, *target, pattern);
    SourceReader read = ReaderFor(*dstDc, *target, *srcDc, *sourceRaster);
    try {
        if (dst.width == src.width && dst.height == src.height) {
            CopyUnstretched(*target, dstVisible, dst, src, srcVisible, read, rop, pattern);
            return TRUE;
        }
        if (!NarrowStretchRects(dst, dstVisible, src, srcVisible)) return TRUE;
        const int mode = dstDc->state.stretchMode;
        // A halftone copy from another bitmap goes straight onto the
        // destination: the copy a symbol drawn large and scaled down makes.
        if (mode == HALFTONE && rop == SRCCOPY && sourceRaster != target) {
            Halftone(dstVisible, dst, src, srcVisible, read, target->monochrome, [&](int row) {
                return target->pixels.data() + size_t(row) * target->width + dstVisible.left;
            });
            return TRUE;
        }
        StretchedImage image =
            mode == HALFTONE
                ? HalftoneImage(dstVisible, dst, src, srcVisible, read, target->monochrome)
                : Stretch(dstVisible, dst, src, srcVisible, read, mode);
        // When no destination pixel meets a visible source pixel, Wine's
        // stretch reports an error (and StretchBlt fails) rather than
        // drawing nothing.
        if (!image.Drawn()) return mode == HALFTONE ? TRUE : FALSE;
        if (rop == SRCCOPY) { // the copy a program almost always asks for
            for (int row = dstVisible.top; row < dstVisible.bottom; ++row)
                for (int column = dstVisible.left; column < dstVisible.right; ++column)
                    if (image.Written(column, row))
                        target->Set(column, row, image.At(column, row) & gdi::kRgbMask);
            return TRUE;
        }
        for (int row = dstVisible.top; row < dstVisible.bottom; ++row)
            for (int column = dstVisible.left; column < dstVisible.right; ++column)
                if (image.Written(column, row))
                    target->Set(column, row,
                                gdi::ApplyRop3(rop, pattern.At(column, row), image.At(column, row),
                                               target->At(column, row)));
    } catch (const std::bad_alloc&) {
        return FALSE;
    }
    return TRUE;
}

} // namespace

BOOL BitBlt(HDC destination, int x, int y, int width, int height, HDC source, int sourceX,
            int sourceY, DWORD rop) {
    return Blit(destination, x, y, width, height, source, sourceX, sourceY, width, height, rop);
}

BOOL StretchBlt(HDC destination, int x, int y, int width, int height, HDC source, int sourceX,
                int sourceY, int sourceWidth, int sourceHeight, DWORD rop) {
    return Blit(destination, x, y, width, height, source, sourceX, sourceY, sourceWidth,
                sourceHeight, rop);
}
