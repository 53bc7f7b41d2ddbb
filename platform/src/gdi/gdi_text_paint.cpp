// Quadrilateral fill for text backgrounds and lines (see gdi_text_paint.h).
#include "gdi_text_paint.h"

#include "gdi_draw.h"

#include <algorithm>
#include <cmath>

namespace gdi {

namespace {

bool IsAxisParallel(const DeviceQuad& q) {
    for (int i = 0; i < 4; ++i) {
        const DevicePoint& a = q[i];
        const DevicePoint& b = q[(i + 1) % 4];
        if (a.x != b.x && a.y != b.y) return false;
    }
    return true;
}

void FillRectangle(Raster& raster, int64_t left, int64_t top, int64_t right, int64_t bottom,
                   uint32_t color) {
    // Clamped first: the quad's corners may lie beyond a LONG.
    const RECT rect{static_cast<LONG>(std::clamp<int64_t>(left, 0, raster.width)),
                    static_cast<LONG>(std::clamp<int64_t>(top, 0, raster.height)),
                    static_cast<LONG>(std::clamp<int64_t>(right, 0, raster.width)),
                    static_cast<LONG>(std::clamp<int64_t>(bottom, 0, raster.height))};
    Paint paint;
    paint.pixel = color;
    FillRect(raster, rect, paint, kRop2CopyPen);
}

// The span of pixel centres on row y (centre y + 0.5) inside the quad.
bool RowSpan(const DeviceQuad& q, int64_t y, double& from, double& to) {
    const double centre = static_cast<double>(y) + 0.5;
    from = INFINITY;
    to = -INFINITY;
    for (int i = 0; i < 4; ++i) {
        const DevicePoint& a = q[i];
        const DevicePoint& b = q[(i + 1) % 4];
        const double ay = static_cast<double>(a.y), by = static_cast<double>(b.y);
        if ((centre < ay) == (centre < by)) continue; // the edge does not cross this row
        const double x = a.x + (centre - ay) * (b.x - a.x) / (by - ay);
        from = std::min(from, x);
        to = std::max(to, x);
    }
    return from < to;
}

void FillConvex(Raster& raster, const DeviceQuad& q, uint32_t color) {
    int64_t top = q[0].y, bottom = q[0].y;
    for (const DevicePoint& p : q) {
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    top = std::max<int64_t>(top, 0);
    bottom = std::min<int64_t>(bottom, raster.height);
    for (int64_t y = top; y < bottom; ++y) {
        double from = 0, to = 0;
        if (!RowSpan(q, y, from, to)) continue;
        // Pixels whose centre x + 0.5 lies in [from, to).
        const int64_t first = static_cast<int64_t>(std::ceil(std::max(from - 0.5, -1.0)));
        const int64_t end =
            static_cast<int64_t>(std::ceil(std::min(to - 0.5, static_cast<double>(raster.width))));
        FillRectangle(raster, first, y, end, y + 1, color);
    }
}

} // namespace

void FillQuad(Raster& raster, const DeviceQuad& quad, uint32_t color) {
    if (!IsAxisParallel(quad)) {
        FillConvex(raster, quad, color);
        return;
    }
    int64_t left = quad[0].x, right = quad[0].x, top = quad[0].y, bottom = quad[0].y;
    for (const DevicePoint& p : quad) {
        left = std::min(left, p.x);
        right = std::max(right, p.x);
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    FillRectangle(raster, left, top, right, bottom, color);
}

} // namespace gdi
