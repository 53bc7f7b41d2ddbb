// Scenes of rectangles, polygons and ellipses: PatBlt under the mapping
// modes, the hexagons and bullseye circles MaxiCode draws at 203, 300 and
// 600 dpi and in its 1200-pixel bitmap, and the pen and brush rules of
// Rectangle, Polygon and Ellipse.
#include "GdiScenes.h"

#include <cmath>
#include <string>

namespace scenes {

namespace {

// Deterministic on/off pattern, the same on both builds.
class Pattern {
  public:
    explicit Pattern(unsigned seed) : state_(seed) {}
    bool Next() {
        state_ = state_ * 1103515245u + 12345u;
        return (state_ >> 16) & 1u;
    }

  private:
    unsigned state_;
};

class Selection {
  public:
    Selection(HDC hdc, HGDIOBJ brush, HGDIOBJ pen)
        : hdc_(hdc), brush_(SelectObject(hdc, brush)), pen_(SelectObject(hdc, pen)) {}
    ~Selection() {
        SelectObject(hdc_, brush_);
        SelectObject(hdc_, pen_);
    }

  private:
    HDC hdc_;
    HGDIOBJ brush_;
    HGDIOBJ pen_;
};

void RecordMapped(HDC hdc, SceneRecord& record, const std::string& prefix, POINT point) {
    POINT device = point;
    LPtoDP(hdc, &device, 1);
    record.Add(prefix + ".x", device.x);
    record.Add(prefix + ".y", device.y);
}

void RecordExtents(HDC hdc, SceneRecord& record, const std::string& prefix) {
    SIZE window{}, viewport{};
    GetWindowExtEx(hdc, &window);
    GetViewportExtEx(hdc, &viewport);
    record.Add(prefix + ".window.cx", window.cx);
    record.Add(prefix + ".window.cy", window.cy);
    record.Add(prefix + ".viewport.cx", viewport.cx);
    record.Add(prefix + ".viewport.cy", viewport.cy);
}

// ---- PatBlt and mapping modes ----

void DrawPatBltText(HDC hdc, SceneRecord& record) {
    SelectObject(hdc, GetStockObject(BLACK_BRUSH));
    PatBlt(hdc, 5, 5, 10, 6, PATCOPY);
    PatBlt(hdc, 30, 12, -10, -6, PATCOPY); // negative sizes
    PatBlt(hdc, 40, 5, -1, 8, PATCOPY);
    PatBlt(hdc, 50, 5, 0, 8, PATCOPY); // empty
    PatBlt(hdc, 60, 5, 1, 1, PATCOPY);
    PatBlt(hdc, 70, 5, 30, 20, BLACKNESS);
    PatBlt(hdc, 75, 8, 10, 10, WHITENESS);
    PatBlt(hdc, 65, 0, 30, 12, DSTINVERT);
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    SelectObject(hdc, red);
    PatBlt(hdc, 110, 5, 20, 20, PATCOPY);
    PatBlt(hdc, 120, 10, 20, 20, PATINVERT);
    SelectObject(hdc, GetStockObject(NULL_BRUSH));
    PatBlt(hdc, 5, 30, 20, 20, PATCOPY); // nothing with a null brush
    SelectObject(hdc, GetStockObject(GRAY_BRUSH));
    PatBlt(hdc, -5, 40, 12, 10, PATCOPY);   // clipped at the left
    PatBlt(hdc, 195, 110, 20, 20, PATCOPY); // clipped at the bottom right
    SetWindowOrgEx(hdc, -10, -60, nullptr);
    SelectObject(hdc, GetStockObject(BLACK_BRUSH));
    for (int i = 0; i < 8; ++i)
        PatBlt(hdc, i * 12, i, 5 + i, -(3 + i), PATCOPY);
    SetViewportOrgEx(hdc, 3, 7, nullptr);
    PatBlt(hdc, 120, 20, 15, 15, PATCOPY);
    SelectObject(hdc, GetStockObject(WHITE_BRUSH));
    DeleteObject(red);
    record.Add("unknown_rop_result", PatBlt(hdc, 0, 0, 5, 5, SRCCOPY));
}

void DrawPatBltTwips(HDC hdc, SceneRecord& record) {
    SetMapMode(hdc, MM_TWIPS);
    RecordExtents(hdc, record, "twips");
    SelectObject(hdc, GetStockObject(BLACK_BRUSH));
    for (int i = 0; i < 24; ++i) {
        int x = 100 + i * 157, y = -(100 + (i % 6) * 397);
        PatBlt(hdc, x, y, 80 + i * 13, -(60 + i * 7), PATCOPY);
    }
    SetWindowOrgEx(hdc, -1440, 720, nullptr);
    for (int i = 0; i < 16; ++i)
        PatBlt(hdc, i * 211, -i * 89, 37 + i, -(29 + 2 * i), PATCOPY);
    SetViewportOrgEx(hdc, 11, 150, nullptr);
    for (int i = 0; i < 12; ++i)
        PatBlt(hdc, i * 311, 0, 15 * (i + 1), -15 * (i + 1), PATCOPY);
    for (int i = 0; i < 40; ++i)
        RecordMapped(hdc, record, "p" + std::to_string(i), {i * 7 - 100, -i * 11});
    POINT device[3] = {{0, 0}, {17, 23}, {299, 199}};
    DPtoLP(hdc, device, 3);
    for (int i = 0; i < 3; ++i) {
        record.Add("dp" + std::to_string(i) + ".x", device[i].x);
        record.Add("dp" + std::to_string(i) + ".y", device[i].y);
    }
}

void DrawMappingModes(HDC hdc, SceneRecord& record) {
    const int modes[] = {MM_LOMETRIC, MM_HIMETRIC, MM_LOENGLISH, MM_HIENGLISH};
    const int scale[] = {10, 100, 4, 40}; // logical units per pixel, about
    SelectObject(hdc, GetStockObject(BLACK_BRUSH));
    for (int m = 0; m < 4; ++m) {
        SetMapMode(hdc, modes[m]);
        SetViewportOrgEx(hdc, 10 + m * 70, 10, nullptr);
        RecordExtents(hdc, record, "mode" + std::to_string(modes[m]));
        for (int i = 0; i < 6; ++i)
            PatBlt(hdc, i * 3 * scale[m] / 2, -i * 9 * scale[m] / 4, 5 * scale[m] / 2 + i,
                   -(7 * scale[m] / 3), PATCOPY);
        RecordMapped(hdc, record, "mode" + std::to_string(modes[m]) + ".pt", {123, -457});
    }
    SetMapMode(hdc, MM_ISOTROPIC);
    SetWindowExtEx(hdc, 1000, 1000, nullptr);
    SetViewportExtEx(hdc, 300, -100, nullptr);
    SetViewportOrgEx(hdc, 20, 180, nullptr);
    RecordExtents(hdc, record, "isotropic");
    for (int i = 0; i < 6; ++i)
        PatBlt(hdc, i * 130, i * 40, 90, 60, PATCOPY);
    SetMapMode(hdc, MM_ANISOTROPIC);
    SetWindowExtEx(hdc, 7, 3, nullptr);
    SetViewportExtEx(hdc, 5, -4, nullptr);
    SetWindowOrgEx(hdc, -3, 2, nullptr);
    SetViewportOrgEx(hdc, 200, 190, nullptr);
    RecordExtents(hdc, record, "anisotropic");
    for (int i = 0; i < 8; ++i)
        PatBlt(hdc, i * 11, i * 5, 6, 4, PATCOPY);
    for (int i = 0; i < 10; ++i)
        RecordMapped(hdc, record, "aniso" + std::to_string(i), {i * 3 - 7, i * 5 - 9});
}

// ---- Hexagons ----

// A hexagon h wide and v high, pointed at top and bottom, placed by its
// bounding box with whole-pixel arithmetic.
void IntegerHexagon(POINT out[6], int left, int top, int h, int v) {
    out[0] = {left + h / 2, top};
    out[1] = {left + h, top + v / 4};
    out[2] = {left + h, top + v - v / 4};
    out[3] = {left + h / 2, top + v};
    out[4] = {left, top + v - v / 4};
    out[5] = {left, top + v / 4};
}

// The same hexagon around an exact centre, corners rounded to pixels.
void RoundedHexagon(POINT out[6], double cx, double cy, double h, double v) {
    const double dx[6] = {0, 0.5, 0.5, 0, -0.5, -0.5};
    const double dy[6] = {-0.5, -0.25, 0.25, 0.5, 0.25, -0.25};
    for (int i = 0; i < 6; ++i)
        out[i] = {static_cast<LONG>(std::lround(cx + dx[i] * h)),
                  static_cast<LONG>(std::lround(cy + dy[i] * v))};
}

// A block of hexagon rows: odd rows shifted by half a pitch, modules on or
// off by a fixed pattern.
void DrawHexagonGrid(HDC hdc, int originX, int originY, int h, int v, int rowPitch, int columns,
                     int rows, bool rounded, unsigned seed) {
    Pattern on(seed);
    POINT points[6];
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column) {
            if (!on.Next()) continue;
            int left = originX + column * h + (row % 2 ? h / 2 : 0);
            int top = originY + row * rowPitch;
            if (rounded)
                RoundedHexagon(points, left + h / 2.0 + (row % 2 ? 0.3 : 0.0), top + v / 2.0, h, v);
            else
                IntegerHexagon(points, left, top, h, v);
            Polygon(hdc, points, 6);
        }
}

void DrawHexagons(HDC hdc, int h, int v, int rowPitch) {
    const int columns = 10, rows = 8;
    const int blockWidth = columns * h + h + 4;
    {
        Selection selection(hdc, GetStockObject(BLACK_BRUSH), GetStockObject(NULL_PEN));
        DrawHexagonGrid(hdc, 2, 2, h, v, rowPitch, columns, rows, false, 7);
    }
    {
        Selection selection(hdc, GetStockObject(BLACK_BRUSH), GetStockObject(BLACK_PEN));
        DrawHexagonGrid(hdc, 2 + blockWidth, 2, h, v, rowPitch, columns, rows, false, 7);
    }
    {
        Selection selection(hdc, GetStockObject(BLACK_BRUSH), GetStockObject(NULL_PEN));
        DrawHexagonGrid(hdc, 2 + 2 * blockWidth, 2, h, v, rowPitch, columns, rows, true, 11);
    }
}

Scene HexagonScene(int dpi, int h, int v, int rowPitch) {
    int width = 3 * (10 * h + h + 4) + 4;
    int height = 8 * rowPitch + v + 6;
    return {"hexagons_" + std::to_string(dpi), width, height, Comparison::kExact,
            [=](HDC hdc, SceneRecord&) { DrawHexagons(hdc, h, v, rowPitch); }};
}

// ---- Circles ----

// Concentric circles alternating black and white, the outer radius given.
void DrawBullseye(HDC hdc, int cx, int cy, int outer, int rings, HGDIOBJ pen) {
    HGDIOBJ oldPen = SelectObject(hdc, pen);
    for (int ring = 0; ring < rings; ++ring) {
        int r = outer - ring * outer / rings;
        SelectObject(hdc, GetStockObject(ring % 2 ? WHITE_BRUSH : BLACK_BRUSH));
        Ellipse(hdc, cx - r, cy - r, cx + r, cy + r);
    }
    SelectObject(hdc, GetStockObject(WHITE_BRUSH));
    SelectObject(hdc, oldPen);
}

Scene BullseyeScene(int dpi) {
    int outer = dpi / 2; // half an inch
    int size = 2 * outer + 12;
    return {"bullseye_" + std::to_string(dpi), 2 * size, size, Comparison::kExact,
            [=](HDC hdc, SceneRecord&) {
                DrawBullseye(hdc, size / 2, size / 2, outer, 6, GetStockObject(NULL_PEN));
                DrawBullseye(hdc, size + size / 2 + 1, size / 2, outer - 1, 6,
                             GetStockObject(BLACK_PEN));
            }};
}

void DrawEllipses(HDC hdc, SceneRecord&) {
    HPEN thick = CreatePen(PS_SOLID, 3, RGB(0, 0, 255));
    HBRUSH green = CreateSolidBrush(RGB(0, 160, 0));
    struct Style {
        HGDIOBJ brush, pen;
    } styles[] = {{GetStockObject(BLACK_BRUSH), GetStockObject(NULL_PEN)},
                  {GetStockObject(NULL_BRUSH), GetStockObject(BLACK_PEN)},
                  {green, GetStockObject(BLACK_PEN)},
                  {green, thick}};
    for (int s = 0; s < 4; ++s) {
        Selection selection(hdc, styles[s].brush, styles[s].pen);
        int y = 4 + s * 100;
        int x = 4;
        for (int size = 1; size <= 26; ++size) {
            Ellipse(hdc, x, y, x + size, y + size);                         // circles
            Ellipse(hdc, x, y + 30, x + size, y + 30 + (size * 3) / 5 + 1); // flat
            Ellipse(hdc, x + size, y + 60 + size / 2, x, y + 60);           // reversed corners
            x += size + 3;
        }
    }
    Selection selection(hdc, GetStockObject(BLACK_BRUSH), GetStockObject(BLACK_PEN));
    Ellipse(hdc, -20, 380, 30, 420);  // clipped left
    Ellipse(hdc, 560, 380, 640, 440); // clipped right and bottom
    DeleteObject(thick);
    DeleteObject(green);
}

void DrawEllipsesTwips(HDC hdc, SceneRecord&) {
    SetMapMode(hdc, MM_TWIPS);
    Selection selection(hdc, GetStockObject(BLACK_BRUSH), GetStockObject(NULL_PEN));
    for (int i = 0; i < 12; ++i) {
        int x = 60 + i * 340, d = 90 + i * 23;
        Ellipse(hdc, x, -60, x + d, -60 - d);
        Ellipse(hdc, x + 7, -700, x + 7 + d * 2 / 3, -700 - d);
    }
}

// ---- Rectangles and polygons ----

void DrawRectangles(HDC hdc, SceneRecord&) {
    HPEN thick3 = CreatePen(PS_SOLID, 3, RGB(255, 0, 0));
    HPEN thick4 = CreatePen(PS_SOLID, 4, RGB(0, 0, 255));
    HBRUSH yellow = CreateSolidBrush(RGB(255, 255, 0));
    HGDIOBJ pens[] = {GetStockObject(BLACK_PEN), GetStockObject(NULL_PEN), thick3, thick4};
    HGDIOBJ brushes[] = {yellow, GetStockObject(NULL_BRUSH)};
    for (int p = 0; p < 4; ++p)
        for (int b = 0; b < 2; ++b) {
            Selection selection(hdc, brushes[b], pens[p]);
            int x = 6 + p * 60, y = 6 + b * 60;
            Rectangle(hdc, x, y, x + 30, y + 20);
            Rectangle(hdc, x + 40, y + 30, x + 35, y + 25); // reversed
            Rectangle(hdc, x, y + 30, x + 1, y + 40);       // one pixel wide
            Rectangle(hdc, x + 10, y + 30, x + 12, y + 32); // two pixels
        }
    SetGraphicsMode(hdc, GM_ADVANCED);
    Selection selection(hdc, yellow, GetStockObject(BLACK_PEN));
    Rectangle(hdc, 10, 130, 50, 150);
    ModifyWorldTransform(hdc, nullptr, MWT_IDENTITY);
    SetGraphicsMode(hdc, GM_COMPATIBLE);
    DeleteObject(thick3);
    DeleteObject(thick4);
    DeleteObject(yellow);
}

void DrawPolygons(HDC hdc, SceneRecord& record) {
    HBRUSH blue = CreateSolidBrush(RGB(0, 0, 200));
    HPEN thick = CreatePen(PS_SOLID, 5, RGB(200, 0, 0));
    {
        Selection selection(hdc, blue, GetStockObject(NULL_PEN));
        POINT star[5] = {{50, 5}, {80, 90}, {5, 35}, {95, 35}, {20, 90}}; // crossing edges
        Polygon(hdc, star, 5);
        POINT thin[3] = {{110, 5}, {190, 12}, {111, 8}};
        Polygon(hdc, thin, 3);
        POINT steep[3] = {{120, 20}, {127, 95}, {123, 96}};
        Polygon(hdc, steep, 3);
        POINT distant[4] = {{-100000, -50}, {150, 60}, {160, 90}, {-90000, 300}};
        Polygon(hdc, distant, 4);
    }
    {
        Selection selection(hdc, blue, GetStockObject(BLACK_PEN));
        POINT slopes[6] = {{210, 10}, {260, 13}, {290, 60}, {271, 95}, {230, 90}, {205, 52}};
        Polygon(hdc, slopes, 6);
        POINT line[2] = {{210, 100}, {290, 118}};
        record.Add("two_point_polygon", Polygon(hdc, line, 2));
        POINT repeated[5] = {{200, 120}, {200, 120}, {240, 150}, {205, 170}, {205, 170}};
        Polygon(hdc, repeated, 5);
    }
    {
        Selection selection(hdc, GetStockObject(GRAY_BRUSH), thick);
        POINT triangle[3] = {{20, 110}, {110, 130}, {40, 180}};
        Polygon(hdc, triangle, 3);
        POINT square[4] = {{130, 110}, {180, 110}, {180, 160}, {130, 160}};
        Polygon(hdc, square, 4);
    }
    DeleteObject(blue);
    DeleteObject(thick);
}

} // namespace

void AddShapeScenes(std::vector<Scene>& scenes) {
    scenes.push_back({"patblt_text", 200, 120, Comparison::kExact, DrawPatBltText});
    scenes.push_back({"patblt_twips", 300, 200, Comparison::kExact, DrawPatBltTwips});
    scenes.push_back({"mapping_modes", 300, 200, Comparison::kExact, DrawMappingModes});
    // Hexagon pitch r * 1.004 / 29 and height 2 / sqrt(3) times that.
    scenes.push_back(HexagonScene(203, 7, 8, 6));
    scenes.push_back(HexagonScene(300, 10, 12, 9));
    scenes.push_back(HexagonScene(600, 21, 24, 18));
    scenes.push_back(BullseyeScene(203));
    scenes.push_back(BullseyeScene(300));
    scenes.push_back(BullseyeScene(600));
    scenes.push_back({"ellipses", 640, 420, Comparison::kExact, DrawEllipses});
    scenes.push_back({"ellipses_twips", 300, 120, Comparison::kExact, DrawEllipsesTwips});
    scenes.push_back({"rectangles", 260, 160, Comparison::kExact, DrawRectangles});
    scenes.push_back({"polygons", 300, 200, Comparison::kExact, DrawPolygons});
}

} // namespace scenes
