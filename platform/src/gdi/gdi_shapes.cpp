// Rectangle, Polygon and Ellipse: the interior with the brush, the outline
// with the pen, in device pixels as Wine's DIB engine draws them.
//
// - The brush fills the interior region first and a one-pixel pen draws the
//   outline over it with one-pixel lines; a wider pen's outline is a region
//   of its own (bands along the edges, round joins), painted after the
//   interior less that region.
// - Rectangle leaves out the right column and bottom row of the corner
//   rectangle: with a pen the outline runs on the last column and row that
//   are covered, and with the null pen the interior is one pixel smaller on
//   the right and at the bottom than with a pen.
// - Ellipse fills the region CreateEllipticRgn gives for the device
//   rectangle (right and bottom one pixel further) and draws the outline
//   through Zingl's ellipse points; ellipses of 2 pixels or less across are
//   drawn as rectangles. (For ellipses more than about 2.6 times as high as
//   wide the region's algorithm never reaches the top and bottom rows; Wine
//   leaves them uninitialised and paints whatever the memory held, nothing
//   on fresh memory, which is what we paint.)
// - In GM_ADVANCED a rectangle is drawn as a polygon.
// Dashed pens are drawn solid, and PS_INSIDEFRAME like PS_SOLID.
#include "gdi_draw.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <new>

using gdi::Coverage;
using gdi::DeviceContext;
using gdi::GdiLock;
using gdi::Raster;

namespace {

// Larger ellipses are refused rather than rasterised: the ellipse
// arithmetic grows with the cube of the size and must stay within 64 bits
// (half a million pixels is over 40 inches at 1200 dpi). Wider pens are
// narrowed.
constexpr int kMaxEllipseSize = 1 << 19;
constexpr int kMaxPenWidth = 1 << 16;

struct Pen {
    bool visible = false;
    int width = 0; // device pixels
    gdi::Paint paint;
};

struct Brush {
    bool visible = false;
    gdi::Paint paint;
};

// The pen's width in device pixels: a width of 0 is one pixel, any other is
// the logical width mapped through the DC's scale, rounded down, at least 1.
Pen PenFor(const DeviceContext& dc, const Raster& raster) {
    Pen pen;
    const gdi::GdiObject* object = gdi::LookupObject(dc.state.pen, gdi::ObjectKind::kPen);
    if (!object || object->isNull) return pen;
    pen.visible = true;
    pen.paint.pixel = gdi::ForegroundPixel(raster, object->color, dc.state.bkColor);
    pen.width = 1;
    if (object->penWidth > 0) {
        POINT origin = gdi::LogicalToDevice(dc, {0, 0});
        POINT end = gdi::LogicalToDevice(dc, {object->penWidth, 0});
        double length = std::hypot(double(end.x) - origin.x, double(end.y) - origin.y);
        pen.width = static_cast<int>(std::clamp(std::floor(length), 1.0, double(kMaxPenWidth)));
    }
    return pen;
}

Brush BrushFor(const DeviceContext& dc, const Raster& raster) {
    Brush brush;
    brush.visible = gdi::BrushPaint(dc, raster, brush.paint);
    return brush;
}

RECT RasterBounds(const Raster& raster) {
    return {0, 0, raster.width, raster.height};
}

// The device rectangle between two logical corners, ordered.
RECT DeviceRect(const DeviceContext& dc, int left, int top, int right, int bottom) {
    POINT a = gdi::LogicalToDevice(dc, {left, top});
    POINT b = gdi::LogicalToDevice(dc, {right, bottom});
    return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

// One-pixel lines through the points, closing the figure.
void DrawThinOutline(Raster& raster, const std::vector<POINT>& points, uint32_t pixel) {
    std::vector<POINT> pixels;
    for (size_t i = 0; i < points.size(); ++i) {
        pixels.clear();
        gdi::AppendLinePixels(points[i], points[(i + 1) % points.size()], RasterBounds(raster),
                              pixels);
        for (POINT p : pixels)
            raster.Set(p.x, p.y, pixel);
    }
}

// Paints an interior and the outline through the given points with the DC's
// brush and pen; where they overlap, the pen wins.
void PaintFigure(Raster& raster, const Pen& pen, const Brush& brush, Coverage& interior,
                 const std::vector<POINT>& outline) {
    if (pen.visible && pen.width > 1) {
        Coverage outlineRegion(RasterBounds(raster));
        gdi::AddWideOutline(outlineRegion, outline, pen.width);
        if (brush.visible) {
            interior.Subtract(outlineRegion);
            interior.Fill(raster, brush.paint);
        }
        outlineRegion.Fill(raster, pen.paint);
        return;
    }
    if (brush.visible) interior.Fill(raster, brush.paint);
    if (pen.visible) DrawThinOutline(raster, outline, pen.paint.pixel);
}

// The part of the raster a polygon's interior can cover: its points'
// bounding box. A coverage of the whole raster would keep a row for every
// scanline of the page for each small polygon (MaxiCode draws hundreds).
RECT PolygonReach(const Raster& raster, const std::vector<POINT>& points) {
    RECT bounds = RasterBounds(raster);
    if (points.empty()) return {0, 0, 0, 0};
    int64_t left = INT64_MAX, top = INT64_MAX, right = INT64_MIN, bottom = INT64_MIN;
    for (POINT p : points) {
        left = std::min<int64_t>(left, p.x);
        top = std::min<int64_t>(top, p.y);
        right = std::max<int64_t>(right, int64_t(p.x) + 1);
        bottom = std::max<int64_t>(bottom, int64_t(p.y) + 1);
    }
    return {static_cast<LONG>(std::clamp<int64_t>(left, bounds.left, bounds.right)),
            static_cast<LONG>(std::clamp<int64_t>(top, bounds.top, bounds.bottom)),
            static_cast<LONG>(std::clamp<int64_t>(right, bounds.left, bounds.right)),
            static_cast<LONG>(std::clamp<int64_t>(bottom, bounds.top, bounds.bottom))};
}

// The points are the caller's (Polygon's array), read once into device
// coordinates.
bool DrawPolygon(DeviceContext& dc, Raster& raster, const POINT* logicalPoints, size_t count) {
    std::vector<POINT> points;
    points.reserve(count);
    for (size_t i = 0; i < count; ++i)
        points.push_back(gdi::LogicalToDevice(dc, logicalPoints[i]));
    Pen pen = PenFor(dc, raster);
    Brush brush = BrushFor(dc, raster);
    Coverage interior(PolygonReach(raster, points));
    if (brush.visible) gdi::AddPolygonInterior(interior, points);
    PaintFigure(raster, pen, brush, interior, points);
    return true;
}

bool DrawRectangle(DeviceContext& dc, Raster& raster, int left, int top, int right, int bottom) {
    if (dc.state.graphicsMode == GM_ADVANCED) {
        const POINT corners[] = {{left, top}, {right, top}, {right, bottom}, {left, bottom}};
        return DrawPolygon(dc, raster, corners, 4);
    }
    RECT rect = DeviceRect(dc, left, top, right, bottom);
    if (rect.left == rect.right || rect.top == rect.bottom) return true;
    --rect.right;
    --rect.bottom;
    Pen pen = PenFor(dc, raster);
    Brush brush = BrushFor(dc, raster);
    // Outline corners counter-clockwise from the top right, as GDI walks them.
    std::vector<POINT> outline = {{rect.right, rect.top},
                                  {rect.left, rect.top},
                                  {rect.left, rect.bottom},
                                  {rect.right, rect.bottom}};
    Coverage interior(RasterBounds(raster));
    if (pen.width <= 1) {
        // A one-pixel pen covers the last row and column; the null pen
        // (width 0) leaves the interior as it is.
        interior.AddRect({rect.left + (pen.width + 1) / 2, rect.top + (pen.width + 1) / 2,
                          rect.right - pen.width / 2, rect.bottom - pen.width / 2});
    } else {
        interior.AddRect(rect);
    }
    PaintFigure(raster, pen, brush, interior, outline);
    return true;
}

bool DrawEllipse(DeviceContext& dc, Raster& raster, int left, int top, int right, int bottom) {
    RECT rect = DeviceRect(dc, left, top, right, bottom);
    if (rect.left == rect.right || rect.top == rect.bottom) return true;
    // The ellipse's size is the logical size mapped on its own, which can be
    // a pixel less than the mapped corners are apart.
    POINT origin = gdi::LogicalToDevice(dc, {0, 0});
    POINT size = gdi::LogicalToDevice(
        dc, {gdi::Saturate(int64_t(right) - left), gdi::Saturate(int64_t(bottom) - top)});
    int64_t width =
        std::min<int64_t>(int64_t(rect.right) - rect.left, std::llabs(int64_t(size.x) - origin.x));
    int64_t height =
        std::min<int64_t>(int64_t(rect.bottom) - rect.top, std::llabs(int64_t(size.y) - origin.y));
    if (width <= 2 || height <= 2) return DrawRectangle(dc, raster, left, top, right, bottom);
    if (int64_t(rect.right) - rect.left > kMaxEllipseSize ||
        int64_t(rect.bottom) - rect.top > kMaxEllipseSize)
        return false;

    Pen pen = PenFor(dc, raster);
    // An ellipse wholly off the raster draws nothing (and an ellipse that is
    // on it has coordinates small enough for its arithmetic).
    int64_t reach = pen.width;
    if (int64_t(rect.right) + reach < 0 || int64_t(rect.bottom) + reach < 0 ||
        int64_t(rect.left) - reach >= raster.width || int64_t(rect.top) - reach >= raster.height)
        return true;
    Brush brush = BrushFor(dc, raster);
    Coverage interior(RasterBounds(raster));
    if (brush.visible)
        gdi::AddRoundRectRegion(interior, rect.left, rect.top, rect.right + 1, rect.bottom + 1,
                                int(width), int(height));
    std::vector<POINT> outline = gdi::RoundRectOutline(rect, int(width), int(height));
    PaintFigure(raster, pen, brush, interior, outline);
    return true;
}

// Runs a drawing call on a valid DC: FALSE for a bad handle, TRUE without
// drawing on the screen DC.
template <class Draw> BOOL WithRaster(HDC hdc, Draw draw) {
    std::lock_guard<std::recursive_mutex> lock(GdiLock());
    DeviceContext* dc = gdi::LookupDC(hdc);
    if (!dc) return FALSE;
    Raster* raster = gdi::TargetRaster(*dc);
    if (!raster) return TRUE;
    try {
        return draw(*dc, *raster) ? TRUE : FALSE;
    } catch (const std::bad_alloc&) {
        return FALSE;
    }
}

} // namespace

BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom) {
    return WithRaster(hdc, [&](DeviceContext& dc, Raster& raster) {
        return DrawRectangle(dc, raster, left, top, right, bottom);
    });
}

BOOL Polygon(HDC hdc, const POINT* points, int count) {
    if (!points || count < 2) return FALSE;
    return WithRaster(hdc, [&](DeviceContext& dc, Raster& raster) {
        return DrawPolygon(dc, raster, points, static_cast<size_t>(count));
    });
}

BOOL Ellipse(HDC hdc, int left, int top, int right, int bottom) {
    return WithRaster(hdc, [&](DeviceContext& dc, Raster& raster) {
        return DrawEllipse(dc, raster, left, top, right, bottom);
    });
}
