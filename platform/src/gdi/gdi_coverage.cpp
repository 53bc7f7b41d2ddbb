// Which device pixels a primitive covers. These are the rules of Wine's DIB
// engine (which follows Windows), restated in closed form so that clipping
// never has to walk a line or an edge outside the raster:
//
// - Polygon interiors are scan converted as GDI regions: on scanline y an
//   edge from (x1, y1) to (x2, y2), y1 <= y < y2, sits at
//   ceil(x1 + (y - y1) * (x2 - x1) / (y2 - y1)); the sorted edge positions
//   pair up into spans [left, right) under the alternate rule. This equals
//   the incremental Bresenham edge walk of the region code (checked against
//   it for all slopes up to 60 scanlines before it was written down here).
// - One-pixel lines are Bresenham lines from the start point up to, but
//   not including, the end point; octants 3, 5, 6 and 8 break ties the other
//   way (the "bias"). Step k of an x-major line is at
//   y1 + ystep * ceil((2 dy k - dx + bias) / (2 dx)).
// - Ellipses are rasterised with Alois Zingl's algorithm, both for the
//   region that is filled and for the outline points; the outline points are
//   joined with one-pixel lines.
// The scene comparison under Wine (tests/gdi) checks all of these pixel for
// pixel against real GDI.
#include "gdi_draw.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace gdi {

namespace {

int ClampToInt(int64_t value) {
    return static_cast<int>(std::clamp<int64_t>(value, INT_MIN / 2, INT_MAX / 2));
}

// Points farther out than this are off any raster; moving them in to this
// distance keeps the edge, band and join arithmetic within 64 bits (and
// changes nothing a raster could show for figures of any sensible size).
constexpr LONG kFarAway = 1 << 28;

POINT WithinReach(POINT p) {
    return {std::clamp<LONG>(p.x, -kFarAway, kFarAway), std::clamp<LONG>(p.y, -kFarAway, kFarAway)};
}

} // namespace

// ---- Coverage ----

Coverage::Coverage(RECT clip) : clip_(clip) {}

void Coverage::AddSpan(int y, int left, int right) {
    if (y < clip_.top || y >= clip_.bottom) return;
    left = std::max<int>(left, clip_.left);
    right = std::min<int>(right, clip_.right);
    if (left >= right) return;
    // A span after the last one, apart from it, keeps the list in order.
    if (normalized_ && !spans_.empty()) {
        const Span& last = spans_.back();
        normalized_ = y > last.y || (y == last.y && left > last.right);
    }
    spans_.push_back({y, left, right});
}

void Coverage::AddRect(RECT rect) {
    int top = std::max<int>(rect.top, clip_.top);
    int bottom = std::min<int>(rect.bottom, clip_.bottom);
    for (int y = top; y < bottom; ++y)
        AddSpan(y, rect.left, rect.right);
}

void Coverage::AddCoverage(const Coverage& other) {
    other.ForEachSpan([this](int y, int left, int right) { AddSpan(y, left, right); });
}

void Coverage::Normalize() const {
    if (normalized_) return;
    std::sort(spans_.begin(), spans_.end(), [](const Span& a, const Span& b) {
        return a.y != b.y ? a.y < b.y : a.left != b.left ? a.left < b.left : a.right < b.right;
    });
    size_t kept = 0;
    for (size_t i = 0; i < spans_.size(); ++i) {
        Span& last = spans_[kept - (kept > 0 ? 1 : 0)];
        if (kept > 0 && spans_[i].y == last.y && spans_[i].left <= last.right)
            last.right = std::max(last.right, spans_[i].right);
        else
            spans_[kept++] = spans_[i];
    }
    spans_.resize(kept);
    normalized_ = true;
}

// Both lists in order, row by row: each span loses what the other's spans
// of its row cover.
void Coverage::Subtract(const Coverage& other) {
    Normalize();
    other.Normalize();
    std::vector<Span> remaining;
    remaining.reserve(spans_.size());
    size_t hole = 0;
    for (Span span : spans_) {
        while (hole < other.spans_.size() &&
               (other.spans_[hole].y < span.y ||
                (other.spans_[hole].y == span.y && other.spans_[hole].right <= span.left)))
            ++hole;
        for (size_t h = hole; h < other.spans_.size() && other.spans_[h].y == span.y; ++h) {
            const Span& cut = other.spans_[h];
            if (cut.left >= span.right) break;
            if (cut.left > span.left) remaining.push_back({span.y, span.left, cut.left});
            span.left = std::max(span.left, cut.right);
            if (span.left >= span.right) break;
        }
        if (span.left < span.right) remaining.push_back(span);
    }
    spans_ = std::move(remaining);
}

void Coverage::Fill(Raster& raster, const Paint& paint) const {
    ForEachSpan([&](int y, int left, int right) {
        FillRect(raster, RECT{left, y, right, y + 1}, paint, kRop2CopyPen);
    });
}

// ---- Polygon interiors ----

void AddPolygonInterior(Coverage& coverage, const std::vector<POINT>& points) {
    struct Edge {
        int64_t topX, topY, dx, dy; // dy > 0
    };
    std::vector<Edge> edges;
    edges.reserve(points.size());
    int64_t minY = INT64_MAX, maxY = INT64_MIN;
    for (size_t i = 0; i < points.size(); ++i) {
        POINT a = WithinReach(points[i == 0 ? points.size() - 1 : i - 1]);
        POINT b = WithinReach(points[i]);
        if (a.y == b.y) continue; // horizontal edges add nothing
        POINT top = a.y < b.y ? a : b;
        POINT bottom = a.y < b.y ? b : a;
        edges.push_back({top.x, top.y, int64_t(bottom.x) - top.x, int64_t(bottom.y) - top.y});
        minY = std::min<int64_t>(minY, top.y);
        maxY = std::max<int64_t>(maxY, bottom.y);
    }
    if (edges.empty()) return;

    std::vector<int64_t> crossings;
    crossings.reserve(edges.size());
    // Only the scanlines the coverage keeps need computing; a convex
    // polygon (a MaxiCode hexagon) adds one span to each.
    int64_t first = std::max<int64_t>(minY, coverage.Clip().top);
    int64_t last = std::min<int64_t>(maxY, coverage.Clip().bottom);
    if (first < last) coverage.Reserve(static_cast<size_t>(last - first));
    for (int64_t y = first; y < last; ++y) {
        crossings.clear();
        for (const Edge& edge : edges) {
            if (y < edge.topY || y >= edge.topY + edge.dy) continue;
            crossings.push_back(CeilDiv(edge.topX * edge.dy + (y - edge.topY) * edge.dx, edge.dy));
        }
        std::sort(crossings.begin(), crossings.end());
        for (size_t i = 0; i + 1 < crossings.size(); i += 2)
            if (crossings[i] < crossings[i + 1])
                coverage.AddSpan(static_cast<int>(y), ClampToInt(crossings[i]),
                                 ClampToInt(crossings[i + 1]));
    }
}

// ---- Ellipses ----

namespace {

// The points of the first quadrant of a width x height ellipse, from the x
// axis counter-clockwise, relative to the bounding box's top left corner
// (Alois Zingl's algorithm).
std::vector<POINT> EllipseFirstQuadrant(int width, int height) {
    const int64_t a = width - 1;
    const int64_t b = height - 1;
    const int64_t asq = 8 * a * a;
    const int64_t bsq = 8 * b * b;
    int64_t dx = 4 * b * b * (1 - a);
    int64_t dy = 4 * a * a * (1 + (b % 2));
    int64_t err = dx + dy + a * a * (b % 2);
    POINT pt{static_cast<LONG>(a), height / 2};
    std::vector<POINT> points;
    while (pt.x >= width / 2) {
        int64_t e2 = 2 * err;
        points.push_back(pt);
        if (e2 >= dx) {
            --pt.x;
            dx += bsq;
            err += dx;
        }
        if (e2 <= dy) {
            ++pt.y;
            dy += asq;
            err += dy;
        }
    }
    return points;
}

} // namespace

void AddRoundRectRegion(Coverage& coverage, int left, int top, int right, int bottom,
                        int cornerWidth, int cornerHeight) {
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
    // Corners far off any raster are moved in (see WithinReach).
    left = std::clamp(left, -kFarAway, kFarAway);
    top = std::clamp(top, -kFarAway, kFarAway);
    right = std::clamp(right, -kFarAway, kFarAway);
    bottom = std::clamp(bottom, -kFarAway, kFarAway);
    // The region leaves out the right column and the bottom row, as GDI's does.
    --right;
    --bottom;
    cornerWidth = std::min(right - left, std::abs(cornerWidth));
    cornerHeight = std::min(bottom - top, std::abs(cornerHeight));
    if (cornerWidth < 2 || cornerHeight < 2) {
        coverage.AddRect({left, top, right, bottom});
        return;
    }

    // Row spans of the lower half of the corner ellipse, then mirrored.
    std::vector<std::pair<int, int>> rows(static_cast<size_t>(cornerHeight));
    const int64_t a = cornerWidth - 1;
    const int64_t b = cornerHeight - 1;
    const int64_t asq = 8 * a * a;
    const int64_t bsq = 8 * b * b;
    int64_t dx = 4 * b * b * (1 - a);
    int64_t dy = 4 * a * a * (1 + (b % 2));
    int64_t err = dx + dy + a * a * (b % 2);
    int x = 0;
    int y = cornerHeight / 2;
    rows[static_cast<size_t>(y)] = {left, right};
    while (x <= cornerWidth / 2) {
        int64_t e2 = 2 * err;
        if (e2 >= dx) {
            ++x;
            dx += bsq;
            err += dx;
        }
        if (e2 <= dy) {
            ++y;
            dy += asq;
            err += dy;
            if (y < cornerHeight) rows[static_cast<size_t>(y)] = {left + x, right - x};
        }
    }
    for (int i = 0; i < cornerHeight / 2; ++i)
        rows[static_cast<size_t>(i)] = rows[size_t(b - i)];

    // The upper corner rows, the straight middle band, the lower corner rows.
    for (int i = 0; i < cornerHeight / 2; ++i)
        coverage.AddSpan(top + i, rows[size_t(i)].first, rows[size_t(i)].second);
    int middleTop = top + cornerHeight / 2;
    int middleBottom = bottom - cornerHeight + cornerHeight / 2 + 1;
    for (int row = middleTop; row < middleBottom; ++row)
        coverage.AddSpan(row, left, right);
    for (int i = cornerHeight / 2 + 1; i < cornerHeight; ++i)
        coverage.AddSpan(bottom - cornerHeight + i, rows[size_t(i)].first, rows[size_t(i)].second);
}

std::vector<POINT> RoundRectOutline(RECT rect, int cornerWidth, int cornerHeight) {
    std::vector<POINT> quadrant = EllipseFirstQuadrant(cornerWidth, cornerHeight);
    size_t count = quadrant.size();
    std::vector<POINT> points(4 * count + 4);
    // Counter-clockwise, GDI's default arc direction.
    for (size_t i = 0; i < count; ++i) {
        points[i].x = rect.right - cornerWidth + quadrant[i].x;
        points[i].y = rect.top + cornerHeight - 1 - quadrant[i].y;
    }
    // Mirror left to right; an odd full width shares the middle point.
    size_t end = 2 * count - 1;
    if (cornerWidth % 2 && cornerWidth == rect.right - rect.left) --end;
    for (size_t i = 0; i < count; ++i) {
        points[end - i].x = rect.left + rect.right - 1 - points[i].x;
        points[end - i].y = points[i].y;
    }
    count = end + 1;
    // Mirror top to bottom, the same way.
    end = 2 * count - 1;
    if (cornerHeight % 2 && cornerHeight == rect.bottom - rect.top) --end;
    for (size_t i = 0; i < count; ++i) {
        points[end - i].x = points[i].x;
        points[end - i].y = rect.top + rect.bottom - 1 - points[i].y;
    }
    points.resize(end + 1);
    return points;
}

// ---- One-pixel lines ----

namespace {

// Very distant end points are scaled down the way GDI does before the line
// arithmetic (it keeps the products in range).
POINT CropCoordinates(POINT pt) {
    if (pt.x >= 0x10000000 || pt.x <= -0x10000000 || pt.y >= 0x10000000 || pt.y <= -0x10000000) {
        pt.x /= 8;
        pt.y /= 8;
    }
    return pt;
}

bool Inside(RECT clip, int64_t x, int64_t y) {
    return x >= clip.left && x < clip.right && y >= clip.top && y < clip.bottom;
}

// The range of steps k in [0, length) for which start + step * k lies in
// [low, high).
std::pair<int64_t, int64_t> StepsWithin(int64_t start, int step, int64_t length, int64_t low,
                                        int64_t high) {
    int64_t first, last; // inclusive
    if (step > 0) {
        first = low - start;
        last = high - 1 - start;
    } else {
        first = start - (high - 1);
        last = start - low;
    }
    return {std::max<int64_t>(first, 0), std::min<int64_t>(last, length - 1)};
}

} // namespace

void AppendLinePixels(POINT start, POINT end, RECT clip, std::vector<POINT>& pixels) {
    if (start.y == end.y || start.x == end.x) {
        // Horizontal and vertical lines cover [start, end) or (end, start].
        bool horizontal = start.y == end.y;
        int64_t from = horizontal ? start.x : start.y;
        int64_t to = horizontal ? end.x : end.y;
        int64_t low = from <= to ? from : to + 1;
        int64_t high = from <= to ? to : from + 1;
        if (horizontal) {
            if (start.y < clip.top || start.y >= clip.bottom) return;
            for (int64_t x = std::max<int64_t>(low, clip.left);
                 x < std::min<int64_t>(high, clip.right); ++x)
                pixels.push_back({static_cast<LONG>(x), start.y});
        } else {
            if (start.x < clip.left || start.x >= clip.right) return;
            for (int64_t y = std::max<int64_t>(low, clip.top);
                 y < std::min<int64_t>(high, clip.bottom); ++y)
                pixels.push_back({start.x, static_cast<LONG>(y)});
        }
        return;
    }

    POINT p1 = CropCoordinates(start), p2 = CropCoordinates(end);
    int64_t dx = int64_t(p2.x) - p1.x, dy = int64_t(p2.y) - p1.y;
    int octant;
    if (dy > 0)
        octant = dx > 0 ? (dx > dy ? 1 : 2) : (-dx > dy ? 4 : 3);
    else
        octant = dx < 0 ? (-dx > -dy ? 5 : 6) : (dx > -dy ? 8 : 7);
    const unsigned mask = 1u << (octant - 1);
    const int64_t bias = (mask & 0xb4) ? 1 : 0; // octants 3, 5, 6, 8
    const bool xMajor = (mask & 0x99) != 0;     // octants 1, 4, 5, 8
    const int xStep = (mask & 0xc3) ? 1 : -1;   // octants 1, 2, 7, 8
    const int yStep = (mask & 0x0f) ? 1 : -1;   // octants 1 to 4
    const int64_t major = xMajor ? std::llabs(dx) : std::llabs(dy);
    const int64_t minor = xMajor ? std::llabs(dy) : std::llabs(dx);

    auto [first, last] = xMajor ? StepsWithin(p1.x, xStep, major, clip.left, clip.right)
                                : StepsWithin(p1.y, yStep, major, clip.top, clip.bottom);
    for (int64_t k = first; k <= last; ++k) {
        int64_t minorSteps = CeilDiv(2 * minor * k - major + bias, 2 * major);
        int64_t x = xMajor ? p1.x + xStep * k : p1.x + xStep * minorSteps;
        int64_t y = xMajor ? p1.y + yStep * minorSteps : p1.y + yStep * k;
        if (Inside(clip, x, y)) pixels.push_back({static_cast<LONG>(x), static_cast<LONG>(y)});
    }
}

// ---- Wide pens ----

namespace {

LONG RoundHalfAway(double value) {
    return static_cast<LONG>(value > 0 ? value + 0.5 : value - 0.5);
}

// One segment of a wide line: a band of the pen's width from p1 to p2.
void AddWideSegment(Coverage& coverage, POINT p1, POINT p2, int width) {
    int64_t dx = int64_t(p2.x) - p1.x, dy = int64_t(p2.y) - p1.y;
    if (dy == 0) {
        LONG top = p1.y - width / 2;
        coverage.AddRect({std::min(p1.x, p2.x), top, std::max(p1.x, p2.x), top + width});
        return;
    }
    if (dx == 0) {
        LONG left = p1.x - width / 2;
        coverage.AddRect({left, std::min(p1.y, p2.y), left + width, std::max(p1.y, p2.y)});
        return;
    }
    double length = std::hypot(double(dx), double(dy));
    double widthX = width * std::fabs(double(dy)) / length;
    double widthY = width * std::fabs(double(dx)) / length;
    POINT narrow{RoundHalfAway(widthX / 2), RoundHalfAway(widthY / 2)};
    POINT wide{RoundHalfAway((widthX + 1) / 2), RoundHalfAway((widthY + 1) / 2)};
    if (dx < 0) {
        wide.y = -wide.y;
        narrow.y = -narrow.y;
    }
    if (dy < 0) {
        std::swap(narrow, wide);
        wide.x = -wide.x;
        narrow.x = -narrow.x;
    }
    std::vector<POINT> band = {{p1.x - narrow.x, p1.y + narrow.y},
                               {p1.x + wide.x, p1.y - wide.y},
                               {p2.x + wide.x, p2.y - wide.y},
                               {p2.x - narrow.x, p2.y + narrow.y}};
    AddPolygonInterior(coverage, band);
}

// A round join: the pen's circle centred on the vertex.
void AddRoundJoin(Coverage& coverage, POINT at, int width) {
    int left = at.x - width / 2, top = at.y - width / 2;
    int right = at.x + (width + 1) / 2 + 1, bottom = at.y + (width + 1) / 2 + 1;
    AddRoundRectRegion(coverage, left, top, right, bottom, right - left, bottom - top);
}

bool SamePoint(POINT a, POINT b) {
    return a.x == b.x && a.y == b.y;
}

} // namespace

void AddWideOutline(Coverage& coverage, const std::vector<POINT>& figure, int penWidth) {
    // Repeated points at either end contribute nothing.
    size_t begin = 0, count = figure.size();
    while (count > 2 && SamePoint(figure[begin], figure[begin + 1])) {
        ++begin;
        --count;
    }
    while (count > 2 && SamePoint(figure[begin + count - 1], figure[begin + count - 2]))
        --count;
    if (count < 2) return;
    auto at = [&](size_t i) { return WithinReach(figure[begin + i % count]); };

    // A closed figure: every segment, and a round join at every vertex that
    // starts a segment of non-zero length (the first and the last always).
    // (A segment of zero length covers nothing.)
    AddWideSegment(coverage, at(0), at(1), penWidth);
    for (size_t i = 1; i + 1 < count; ++i) {
        if (SamePoint(at(i), at(i + 1))) continue;
        AddWideSegment(coverage, at(i), at(i + 1), penWidth);
        AddRoundJoin(coverage, at(i), penWidth);
    }
    AddWideSegment(coverage, at(count - 1), at(0), penWidth);
    AddRoundJoin(coverage, at(count - 1), penWidth);
    AddRoundJoin(coverage, at(0), penWidth);
}

} // namespace gdi
