// What the raster core of the GDI layer shares between its files (handle
// bookkeeping, colours, raster operations, and the pixel coverage of shapes).
// The text engine needs none of it: its contract is gdi_internal.h.
#pragma once

#include "gdi_internal.h"

#include <algorithm>
#include <climits>
#include <memory>
#include <utility>
#include <vector>

namespace gdi {

// A 64-bit intermediate result brought back into the range of an int, so
// that extreme coordinates saturate instead of overflowing.
inline int Saturate(int64_t value) {
    return static_cast<int>(std::clamp<int64_t>(value, INT_MIN, INT_MAX));
}

// Integer division rounding down and up (C++ division truncates).
inline int64_t FloorDiv(int64_t a, int64_t b) {
    int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
    return q;
}
inline int64_t CeilDiv(int64_t a, int64_t b) {
    return -FloorDiv(-a, b);
}

// ---- Handles (gdi_handles.cpp) ----

// Gives a new device context a handle; the table owns it from then on.
HDC AddDC(std::unique_ptr<DeviceContext> dc);
// Removes a device context from the table and hands it back (null if unknown).
std::unique_ptr<DeviceContext> TakeDC(HDC hdc);
// Frees an object and its handle now (fonts first go back to the text engine).
void DestroyObject(HGDIOBJ handle);
// Device contexts and objects that are not stock objects.
size_t LiveHandleCount();
// The stock objects; the default 1x1 monochrome bitmap is stock object 21 as
// on Windows. Null for indexes without a stock object.
HGDIOBJ StockObject(int index);
inline constexpr int kDefaultBitmapIndex = 21;

// A DC starts or stops using an object. The last release of an object that
// DeleteObject was asked to delete while it was selected frees it, which is
// how Wine defers such deletions.
void RetainSelection(HGDIOBJ handle);
void ReleaseSelection(HGDIOBJ handle);

// ---- Device contexts (gdi_dc.cpp) ----

// GetDeviceCaps for a DC that is known to be valid.
int DeviceCaps(const DeviceContext& dc, int index);
// Selects an object into a DC with SelectObject's rules; returns the object
// it replaces, or null when the object cannot be selected there.
HGDIOBJ SelectInto(DeviceContext& dc, HGDIOBJ handle);

// ---- Colours (gdi_colors.cpp) ----

// The RGB value a COLORREF stands for: palette indexes (0x01 in the top byte)
// name an entry of the default palette, DIB indexes (0x10FF in the top word)
// give black on our colour bitmaps, any other top byte is ignored.
COLORREF ResolveColor(COLORREF color);
// The pixel SetPixel stores: on a monochrome raster the nearer of black and
// white, on a colour raster the RGB value.
uint32_t NearestPixel(const Raster& raster, COLORREF color);
// The nearer of black and white to an RGB value (a tie goes to black).
uint32_t NearestBlackOrWhite(COLORREF rgb);
// The pixel a pen or a brush paints: on a monochrome raster black and white
// stay as they are, and any other colour becomes the opposite of the DC's
// background colour unless it equals that background colour.
uint32_t ForegroundPixel(const Raster& raster, COLORREF color, COLORREF bkColor);

// What a pen or brush paints at each device pixel: one pixel value, or (a
// brush on a monochrome bitmap, in a colour other than black or white) an
// 8x8 ordered dither of the colour's grey level aligned to the device origin.
struct Paint {
    uint32_t pixel = 0;
    bool dithered = false;
    int grey = 0; // 0 (black) .. 64 (white)
    uint32_t At(int x, int y) const;
};
// The DC's brush as paint for its target raster; false for a null brush.
bool BrushPaint(const DeviceContext& dc, const Raster& raster, Paint& paint);

// ---- Raster operations (gdi_raster_ops.cpp) ----

inline constexpr uint32_t kRgbMask = 0x00FFFFFF;
bool RopUsesSource(DWORD rop);
// The binary operation (R2_BLACK = 1 ... R2_WHITE = 16) a source-free
// ternary raster operation stands for.
int Rop2FromRop(DWORD rop);
inline constexpr int kRop2CopyPen = 13; // R2_COPYPEN: the paint replaces the pixel
uint32_t ApplyRop2(int rop2, uint32_t pen, uint32_t destination);
// A ternary raster operation (bits 16..23 of the code) on pattern, source
// and destination.
uint32_t ApplyRop3(DWORD rop, uint32_t pattern, uint32_t source, uint32_t destination);
// Paints a rectangle of device pixels [left, right) x [top, bottom) with a
// binary operation, clipped to the raster.
void FillRect(Raster& raster, RECT rect, const Paint& paint, int rop2);
// The device rectangle GDI covers for a position and a signed size: a
// negative width covers the pixels x + width + 1 .. x (Wine's bounding rect).
RECT BoundingRect(int x, int y, int width, int height);

// ---- Mapping (gdi_mapping.cpp) ----

// The world-to-device transform as GDI keeps it (single-precision fields).
XFORM WorldToDevice(const DcState& state);
// Rounds a transformed coordinate as GDI does: floor(value + 0.5), kept in
// the range of an int.
LONG RoundCoordinate(double value);

// ---- Coverage: which device pixels a primitive covers (gdi_coverage.cpp) ----

// A set of device pixels as spans of rows, clipped to a rectangle. The spans
// are kept in one list in the order they were added and put in order (top to
// bottom, left to right, overlapping and touching spans merged) only when
// they are read: most shapes add one span a row from the top, which is in
// order already, and a list for each row would cost an allocation a row.
class Coverage {
  public:
    explicit Coverage(RECT clip);
    void AddSpan(int y, int left, int right); // [left, right) on row y
    void AddRect(RECT rect);
    void AddCoverage(const Coverage& other);
    void Subtract(const Coverage& other);
    bool Empty() const { return spans_.empty(); }
    void Reserve(size_t spans) { spans_.reserve(spans_.size() + spans); }
    RECT Clip() const { return clip_; }
    // Calls paint(y, left, right) once for each maximal span, top to bottom.
    template <class Paint> void ForEachSpan(Paint paint) const {
        Normalize();
        for (const Span& span : spans_)
            paint(span.y, span.left, span.right);
    }
    void Fill(Raster& raster, const Paint& paint) const;

  private:
    struct Span {
        int y, left, right;
    };
    void Normalize() const;
    RECT clip_;
    // Mutable: reading puts the same set of pixels in order.
    mutable std::vector<Span> spans_;
    mutable bool normalized_ = true;
};

// The interior of a polygon under the alternate (even-odd) rule, as GDI's
// region scan conversion computes it.
void AddPolygonInterior(Coverage& coverage, const std::vector<POINT>& points);
// The region CreateRoundRectRgn(left, top, right, bottom, width, height) covers.
void AddRoundRectRegion(Coverage& coverage, int left, int top, int right, int bottom,
                        int cornerWidth, int cornerHeight);
// The outline points of a round rectangle drawn on the device rectangle
// (corner ellipse cornerWidth x cornerHeight), in drawing order.
std::vector<POINT> RoundRectOutline(RECT rect, int cornerWidth, int cornerHeight);
// Appends the pixels of a one-pixel line from start up to, but not
// including, end that lie inside the clip rectangle.
void AppendLinePixels(POINT start, POINT end, RECT clip, std::vector<POINT>& pixels);
// The pixels of a closed figure drawn with a pen wider than one pixel (round
// joins, as CreatePen's geometric default).
void AddWideOutline(Coverage& coverage, const std::vector<POINT>& points, int penWidth);

} // namespace gdi
