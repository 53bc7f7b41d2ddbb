// Scenes of many seeded random shapes and blits: every slope of line and
// polygon edge, ellipse sizes from tiny to large, wide pens, and stretches
// in all ratios and directions, partly outside both bitmaps. They probe the
// pixel rules where hand-made scenes would miss a case.
#include "GdiScenes.h"

#include <algorithm>
#include <string>

namespace scenes {

namespace {

// A small deterministic generator, the same on both builds.
class Random {
  public:
    explicit Random(unsigned seed) : state_(seed) {}
    int Below(int limit) {
        state_ = state_ * 1664525u + 1013904223u;
        return static_cast<int>((state_ >> 8) % static_cast<unsigned>(limit));
    }
    int Between(int low, int high) { return low + Below(high - low + 1); }

  private:
    unsigned state_;
};

// Every call draws its numbers in separate statements: the order in which
// C++ evaluates operands and arguments is unspecified, and both builds must
// draw the same numbers.
COLORREF RandomColor(Random& random) {
    int red = random.Below(4) * 85;
    int green = random.Below(4) * 85;
    int blue = random.Below(4) * 85;
    return RGB(red, green, blue);
}

// Wine's elliptic regions leave the last row of an ellipse more than about
// 2.6 times as high as wide uninitialised, so such ellipses draw whatever an
// earlier region left in that memory; the scenes keep to shapes where Wine
// is deterministic.
int TameHeight(int width, int height) {
    return height > 2 * width ? 2 * width : height;
}

int RandomSigned(Random& random, int low, int high) {
    int magnitude = random.Between(low, high);
    return random.Below(5) ? magnitude : -magnitude;
}

// Two-point polygons in every direction: the line there and back, so both
// the bias of each octant and the excluded end point show.
void DrawLines(HDC hdc, SceneRecord&) {
    Random random(3);
    SelectObject(hdc, GetStockObject(NULL_BRUSH));
    for (int i = 0; i < 400; ++i) {
        HPEN pen = CreatePen(PS_SOLID, 0, RandomColor(random));
        HGDIOBJ old = SelectObject(hdc, pen);
        POINT line[2] = {{random.Between(-20, 320), random.Between(-20, 220)},
                         {random.Between(-20, 320), random.Between(-20, 220)}};
        Polygon(hdc, line, 2);
        SelectObject(hdc, old);
        DeleteObject(pen);
    }
}

void DrawRandomPolygons(HDC hdc, SceneRecord&, bool withPens) {
    Random random(withPens ? 5 : 4);
    for (int i = 0; i < 120; ++i) {
        HBRUSH brush = CreateSolidBrush(RandomColor(random));
        int penWidth = withPens ? random.Below(7) : 0;
        HPEN pen = CreatePen(PS_SOLID, penWidth, RandomColor(random));
        HGDIOBJ oldBrush = SelectObject(hdc, brush);
        HGDIOBJ oldPen =
            SelectObject(hdc, withPens ? static_cast<HGDIOBJ>(pen) : GetStockObject(NULL_PEN));
        int count = random.Between(3, 7);
        int cx = random.Between(-10, 310), cy = random.Between(-10, 210),
            spread = random.Between(3, 60);
        POINT points[7];
        for (int p = 0; p < count; ++p)
            points[p] = {cx + random.Between(-spread, spread),
                         cy + random.Between(-spread, spread)};
        Polygon(hdc, points, count);
        SelectObject(hdc, oldBrush);
        SelectObject(hdc, oldPen);
        DeleteObject(brush);
        DeleteObject(pen);
    }
}

void DrawRandomEllipses(HDC hdc, SceneRecord&) {
    Random random(9);
    for (int i = 0; i < 160; ++i) {
        HBRUSH brush = CreateSolidBrush(RandomColor(random));
        int penWidth = random.Below(3) == 0 ? random.Between(2, 8) : random.Below(2);
        HPEN pen =
            random.Below(3) == 0 ? nullptr : CreatePen(PS_SOLID, penWidth, RandomColor(random));
        HGDIOBJ oldBrush =
            SelectObject(hdc, random.Below(5) == 0 ? GetStockObject(NULL_BRUSH) : brush);
        HGDIOBJ oldPen =
            SelectObject(hdc, pen ? static_cast<HGDIOBJ>(pen) : GetStockObject(NULL_PEN));
        int left = random.Between(-30, 400), top = random.Between(-30, 300);
        int width = random.Below(4) == 0 ? random.Between(1, 8) : random.Between(9, 140);
        int height = random.Below(3) == 0 ? width : random.Between(1, 140);
        Ellipse(hdc, left, top, left + width, top + TameHeight(width, height));
        SelectObject(hdc, oldBrush);
        SelectObject(hdc, oldPen);
        DeleteObject(brush);
        if (pen) DeleteObject(pen);
    }
}

void DrawRandomRectangles(HDC hdc, SceneRecord&) {
    Random random(21);
    SetMapMode(hdc, MM_TWIPS);
    for (int i = 0; i < 120; ++i) {
        HBRUSH brush = CreateSolidBrush(RandomColor(random));
        int penWidth = random.Below(3);
        penWidth *= random.Between(0, 60);
        HPEN pen = CreatePen(PS_SOLID, penWidth, RandomColor(random));
        HGDIOBJ oldBrush = SelectObject(hdc, brush);
        HGDIOBJ oldPen = SelectObject(hdc, random.Below(4) ? static_cast<HGDIOBJ>(pen)
                                                           : GetStockObject(NULL_PEN));
        int left = random.Between(-200, 4400), top = -random.Between(-200, 2900);
        int width = random.Between(1, 900), height = random.Between(1, 700);
        if (random.Below(2))
            Rectangle(hdc, left, top, left + width, top - height);
        else
            Ellipse(hdc, left, top, left + width, top - TameHeight(width, height));
        SelectObject(hdc, oldBrush);
        SelectObject(hdc, oldPen);
        DeleteObject(brush);
        DeleteObject(pen);
    }
}

// Stretches of one source in many sizes, each stretch mode, mirrored and
// clipped on either side.
void DrawRandomStretches(HDC hdc, SceneRecord& record, int mode) {
    SceneBitmap source(41, 29);
    Random random(mode * 7 + 1);
    for (int y = 0; y < 29; ++y)
        for (int x = 0; x < 41; ++x)
            SetPixel(source.Dc(), x, y, RandomColor(random));
    SetStretchBltMode(hdc, mode);
    for (int i = 0; i < 60; ++i) {
        int sx = random.Between(-8, 40), sy = random.Between(-8, 28);
        int sw = RandomSigned(random, 1, 45);
        int sh = RandomSigned(random, 1, 35);
        int dx = random.Between(-30, 300), dy = random.Between(-30, 200);
        int dw = RandomSigned(random, 1, 90);
        int dh = RandomSigned(random, 1, 70);
        // Wine's HALFTONE writes a source that is mirrored and does not fit
        // its bitmap a pixel off, leaving pixels uninitialised.
        bool inside = std::min(sx, sx + sw + 1) >= 0 && std::max(sx, sx + sw - 1) < 41 &&
                      std::min(sy, sy + sh + 1) >= 0 && std::max(sy, sy + sh - 1) < 29;
        if (mode == HALFTONE && !inside) continue;
        record.Add("stretch" + std::to_string(i),
                   StretchBlt(hdc, dx, dy, dw, dh, source.Dc(), sx, sy, sw, sh, SRCCOPY));
    }
}

} // namespace

void AddRandomScenes(std::vector<Scene>& scenes) {
    scenes.push_back({"random_lines", 300, 200, Comparison::kExact, DrawLines});
    scenes.push_back(
        {"random_polygons", 300, 200, Comparison::kExact,
         [](HDC hdc, SceneRecord& record) { DrawRandomPolygons(hdc, record, false); }});
    scenes.push_back({"random_polygons_pens", 300, 200, Comparison::kExact,
                      [](HDC hdc, SceneRecord& record) { DrawRandomPolygons(hdc, record, true); }});
    scenes.push_back({"random_ellipses", 420, 320, Comparison::kExact, DrawRandomEllipses});
    scenes.push_back({"random_twips_shapes", 300, 200, Comparison::kExact, DrawRandomRectangles});
    const int modes[4] = {BLACKONWHITE, WHITEONBLACK, COLORONCOLOR, HALFTONE};
    for (int mode : modes)
        scenes.push_back(
            {"random_stretch_mode" + std::to_string(mode), 300, 200, Comparison::kExact,
             [mode](HDC hdc, SceneRecord& record) { DrawRandomStretches(hdc, record, mode); }});
}

} // namespace scenes
