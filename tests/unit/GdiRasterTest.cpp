// The raster side of GDI as the system uses it: device contexts and their
// capabilities, object selection and deletion, PatBlt coverage, mapping
// modes and rounding, SaveDC/RestoreDC, shapes, blits and stretch modes,
// pixels, the clipboard, and bad input. Built for both builds: natively it
// tests our GDI layer, under Wine it shows the expectations are GDI's.
#include "win32api.h"

#ifndef _WIN32
#include "rasterdc.h"
#endif

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);

// A memory DC with a white colour bitmap, released at the end of a test.
class Canvas {
  public:
    Canvas(int width, int height) : width_(width), height_(height) {
        dc_ = CreateCompatibleDC(nullptr);
        HDC screen = GetDC(nullptr);
        bitmap_ = CreateCompatibleBitmap(screen, width, height);
        ReleaseDC(nullptr, screen);
        previous_ = SelectObject(dc_, bitmap_);
        PatBlt(dc_, 0, 0, width, height, WHITENESS);
    }
    ~Canvas() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    HDC dc() const { return dc_; }
    HBITMAP bitmap() const { return bitmap_; }

    // One character per pixel: '.' white, '#' black, 'o' anything else.
    std::string Row(int y) const {
        std::string row;
        for (int x = 0; x < width_; ++x) {
            COLORREF c = GetPixel(dc_, x, y);
            row += c == kWhite ? '.' : c == kBlack ? '#' : 'o';
        }
        return row;
    }
    std::vector<std::string> Rows() const {
        std::vector<std::string> rows;
        for (int y = 0; y < height_; ++y)
            rows.push_back(Row(y));
        return rows;
    }

  private:
    int width_, height_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previous_;
};

BITMAP BitmapInfo(HGDIOBJ bitmap) {
    BITMAP info{};
    GetObjectA(bitmap, sizeof info, &info);
    return info;
}

bool Alive(HGDIOBJ object) {
    return GetObjectA(object, 0, nullptr) != 0;
}

// ---- Device contexts ----

TEST(GdiDeviceContext, MemoryDcReportsTheScreenAt96Dpi) {
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(nullptr);
    for (int index : {HORZRES, VERTRES, HORZSIZE, VERTSIZE, BITSPIXEL, PLANES})
        EXPECT_EQ(GetDeviceCaps(memory, index), GetDeviceCaps(screen, index)) << index;
    EXPECT_EQ(GetDeviceCaps(memory, LOGPIXELSX), 96);
    EXPECT_EQ(GetDeviceCaps(memory, LOGPIXELSY), 96);
    EXPECT_EQ(GetDeviceCaps(memory, TECHNOLOGY), DT_RASDISPLAY);
    EXPECT_EQ(GetDeviceCaps(memory, PHYSICALWIDTH), 0);
    // Whole millimetres of the pixel size at 96 dpi.
    EXPECT_NEAR(GetDeviceCaps(memory, HORZSIZE), GetDeviceCaps(memory, HORZRES) * 25.4 / 96, 0.5);
    EXPECT_EQ(GetDeviceCaps(memory, 999), 0);
    DeleteDC(memory);
    EXPECT_EQ(ReleaseDC(nullptr, screen), 1);
    EXPECT_EQ(ReleaseDC(nullptr, screen), 0);
}

TEST(GdiDeviceContext, NewMemoryDcHasTheStockMonochromeBitmap) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ bitmap = GetCurrentObject(dc, OBJ_BITMAP);
    BITMAP info = BitmapInfo(bitmap);
    EXPECT_EQ(info.bmWidth, 1);
    EXPECT_EQ(info.bmHeight, 1);
    EXPECT_EQ(info.bmBitsPixel, 1);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), GetStockObject(BLACK_PEN));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), GetStockObject(SYSTEM_FONT));
    // Bitmaps made for it are monochrome too; an empty size gives the stock bitmap.
    HBITMAP compatible = CreateCompatibleBitmap(dc, 10, 4);
    EXPECT_EQ(BitmapInfo(compatible).bmBitsPixel, 1);
    EXPECT_EQ(CreateCompatibleBitmap(dc, 0, 0), bitmap);
    EXPECT_EQ(CreateCompatibleBitmap(dc, 5, 0), bitmap);
    EXPECT_EQ(CreateBitmap(0, 3, 1, 32, nullptr), bitmap);
    EXPECT_TRUE(DeleteObject(bitmap)); // stock: ignored
    EXPECT_EQ(BitmapInfo(bitmap).bmWidth, 1);
    DeleteObject(compatible);
    DeleteDC(dc);
}

TEST(GdiDeviceContext, ScreenBitmapsAreColourAndHugeOnesAreRefused) {
    HDC screen = GetDC(nullptr);
    HBITMAP colour = CreateCompatibleBitmap(screen, 100, 50);
    BITMAP info = BitmapInfo(colour);
    EXPECT_EQ(info.bmBitsPixel, 32);
    EXPECT_EQ(info.bmWidthBytes, 400);
    EXPECT_EQ(CreateCompatibleBitmap(screen, 100000, 100000), nullptr);
    EXPECT_EQ(CreateBitmap(30000, 30000, 1, 32, nullptr), nullptr);
    EXPECT_EQ(CreateBitmap(4, 4, 2, 32, nullptr), nullptr); // planes
    EXPECT_EQ(CreateBitmap(4, 4, 1, 33, nullptr), nullptr);
    HBITMAP rgb = CreateBitmap(10, 2, 1, 24, nullptr);
    EXPECT_EQ(BitmapInfo(rgb).bmWidthBytes, 30);
    DeleteObject(rgb);
    DeleteObject(colour);
    ReleaseDC(nullptr, screen);
}

// ---- Selection and deletion ----

TEST(GdiObjects, BitmapGoesIntoOneMemoryDcAtATime) {
    Canvas canvas(8, 8);
    HDC other = CreateCompatibleDC(nullptr);
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(SelectObject(other, canvas.bitmap()), nullptr);
    EXPECT_EQ(SelectObject(screen, canvas.bitmap()), nullptr);
    HBITMAP deep = CreateBitmap(4, 4, 1, 24, nullptr); // not a format the DC draws on
    EXPECT_EQ(SelectObject(other, deep), nullptr);
    HGDIOBJ stock = GetCurrentObject(other, OBJ_BITMAP);
    HGDIOBJ previous = SelectObject(canvas.dc(), stock); // frees the canvas bitmap
    EXPECT_EQ(previous, canvas.bitmap());
    EXPECT_EQ(SelectObject(other, canvas.bitmap()), stock);
    EXPECT_EQ(SelectObject(other, stock), canvas.bitmap());
    EXPECT_EQ(SelectObject(canvas.dc(), canvas.bitmap()), stock);
    DeleteObject(deep);
    ReleaseDC(nullptr, screen);
    DeleteDC(other);
}

TEST(GdiObjects, DeletingASelectedObjectWaitsUntilItIsDeselected) {
    Canvas canvas(4, 4);
    HBRUSH brush = CreateSolidBrush(kRed);
    HGDIOBJ old = SelectObject(canvas.dc(), brush);
    EXPECT_TRUE(DeleteObject(brush));
    EXPECT_TRUE(Alive(brush));
    EXPECT_EQ(GetCurrentObject(canvas.dc(), OBJ_BRUSH), brush);
    PatBlt(canvas.dc(), 0, 0, 1, 1, PATCOPY);
    EXPECT_EQ(GetPixel(canvas.dc(), 0, 0), kRed);
    SelectObject(canvas.dc(), old);
    EXPECT_FALSE(Alive(brush));
    EXPECT_FALSE(DeleteObject(brush));

    // Deleting the DC lets go of its bitmap as well.
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateBitmap(4, 4, 1, 32, nullptr);
    SelectObject(dc, bitmap);
    EXPECT_TRUE(DeleteObject(bitmap));
    EXPECT_TRUE(Alive(bitmap));
    EXPECT_TRUE(DeleteDC(dc));
    EXPECT_FALSE(Alive(bitmap));
    EXPECT_FALSE(DeleteDC(dc));
}

#ifndef _WIN32
// The memory checks count a process's GDI objects; Wine answers 0 here, so
// only our layer is tested.
TEST(GdiObjects, TheProcessCountsItsLiveObjectsAndDeviceContexts) {
    const DWORD before = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    HDC dc = CreateCompatibleDC(nullptr);
    HBRUSH brush = CreateSolidBrush(kRed);
    EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), before + 2);
    GetStockObject(BLACK_PEN);
    EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), before + 2);
    HGDIOBJ old = SelectObject(dc, brush);
    DeleteObject(brush); // held while selected
    EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), before + 2);
    SelectObject(dc, old);
    DeleteDC(dc);
    EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), before);
    EXPECT_EQ(GetGuiResources(nullptr, GR_GDIOBJECTS), 0u);
    EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS), 0u);
}
#endif

TEST(GdiObjects, GetObjectDescribesEachKind) {
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    LOGBRUSH logbrush{};
    EXPECT_EQ(GetObjectA(brush, sizeof logbrush, &logbrush), static_cast<int>(sizeof logbrush));
    EXPECT_EQ(logbrush.lbStyle, static_cast<UINT>(BS_SOLID));
    EXPECT_EQ(logbrush.lbColor, RGB(1, 2, 3));
    EXPECT_EQ(GetObjectA(brush, 4, &logbrush), 4); // brushes copy what fits
    HPEN pen = CreatePen(PS_SOLID, -3, kRed);
    LOGPEN logpen{};
    EXPECT_EQ(GetObjectA(pen, 4, &logpen), 0); // pens do not
    EXPECT_EQ(GetObjectA(pen, sizeof logpen, &logpen), static_cast<int>(sizeof logpen));
    EXPECT_EQ(logpen.lopnWidth.x, 3);
    EXPECT_EQ(CreatePen(PS_NULL, 5, kRed), GetStockObject(NULL_PEN));
    LOGFONTA logfont{};
    EXPECT_EQ(GetObjectA(GetStockObject(SYSTEM_FONT), sizeof logfont, &logfont),
              static_cast<int>(sizeof logfont));
    EXPECT_STREQ(logfont.lfFaceName, "System");
    BITMAP info;
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ stockBitmap = GetCurrentObject(dc, OBJ_BITMAP);
    EXPECT_EQ(GetObjectA(stockBitmap, 4, &info), 0);
    EXPECT_EQ(GetObjectA(stockBitmap, 0, nullptr), static_cast<int>(sizeof(BITMAP)));
    DeleteDC(dc);
    EXPECT_EQ(GetStockObject(99), nullptr);
    DeleteObject(brush);
    DeleteObject(pen);
}

// ---- PatBlt ----

TEST(GdiPatBlt, NegativeSizesCoverThePixelsBeforeTheStartInclusive) {
    Canvas canvas(8, 5);
    SelectObject(canvas.dc(), GetStockObject(BLACK_BRUSH));
    EXPECT_TRUE(PatBlt(canvas.dc(), 5, 3, -3, -2, PATCOPY));
    EXPECT_EQ(canvas.Rows(), (std::vector<std::string>{"........", "........", "...###..",
                                                       "...###..", "........"}));
    EXPECT_TRUE(PatBlt(canvas.dc(), 1, 1, 0, 3, PATCOPY));  // empty, still succeeds
    EXPECT_TRUE(PatBlt(canvas.dc(), -2, 4, 4, 5, PATCOPY)); // clipped
    EXPECT_EQ(canvas.Row(4), "##......");
    EXPECT_TRUE(PatBlt(canvas.dc(), 100, 100, 4, 4, PATCOPY)); // outside
    SelectObject(canvas.dc(), GetStockObject(WHITE_BRUSH));
}

TEST(GdiPatBlt, RasterOperationsUseBrushAndDestination) {
    Canvas canvas(4, 1);
    HBRUSH red = CreateSolidBrush(kRed);
    SelectObject(canvas.dc(), red);
    PatBlt(canvas.dc(), 0, 0, 2, 1, BLACKNESS); // ignores the brush
    PatBlt(canvas.dc(), 1, 0, 2, 1, DSTINVERT);
    EXPECT_EQ(canvas.Row(0), "#.#.");
    PatBlt(canvas.dc(), 0, 0, 1, 1, PATINVERT);
    EXPECT_EQ(GetPixel(canvas.dc(), 0, 0), kRed);
    PatBlt(canvas.dc(), 3, 0, 1, 1, PATCOPY);
    EXPECT_EQ(GetPixel(canvas.dc(), 3, 0), kRed);
    EXPECT_FALSE(PatBlt(canvas.dc(), 0, 0, 1, 1, SRCCOPY)); // needs a source
    SelectObject(canvas.dc(), GetStockObject(NULL_BRUSH));
    EXPECT_TRUE(PatBlt(canvas.dc(), 1, 0, 1, 1, PATCOPY)); // a null brush paints nothing
    EXPECT_EQ(GetPixel(canvas.dc(), 1, 0), kWhite);
    SelectObject(canvas.dc(), GetStockObject(WHITE_BRUSH));
    DeleteObject(red);
}

// ---- Mapping ----

TEST(GdiMapping, TwipsComeFromTheSizeInWholeMillimetres) {
    Canvas canvas(4, 4);
    HDC dc = canvas.dc();
    EXPECT_EQ(SetMapMode(dc, MM_TWIPS), MM_TEXT);
    SIZE window{}, viewport{};
    GetWindowExtEx(dc, &window);
    GetViewportExtEx(dc, &viewport);
    int millimetres = GetDeviceCaps(dc, HORZSIZE);
    EXPECT_EQ(window.cx, (14400 * millimetres + 127) / 254);
    EXPECT_EQ(viewport.cx, GetDeviceCaps(dc, HORZRES));
    EXPECT_EQ(viewport.cy, -GetDeviceCaps(dc, VERTRES));
    // Ten inches of twips land within a pixel of 960 pixels; y points up.
    POINT point{14400, -14400};
    LPtoDP(dc, &point, 1);
    EXPECT_NEAR(point.x, 960, 1);
    EXPECT_NEAR(point.y, 960, 1);
    EXPECT_EQ(SetMapMode(dc, 0), 0);
    EXPECT_EQ(GetMapMode(dc), MM_TWIPS);
}

TEST(GdiMapping, PointsRoundHalfUpAndDeviceToLogicalKeepsSinglePrecision) {
    HDC dc = CreateCompatibleDC(nullptr);
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowExtEx(dc, 2, 2, nullptr);
    SetViewportExtEx(dc, 1, 1, nullptr);
    POINT points[4] = {{1, 1}, {-1, -1}, {3, 3}, {-3, -3}};
    ASSERT_TRUE(LPtoDP(dc, points, 4));
    EXPECT_EQ(points[0].x, 1);
    EXPECT_EQ(points[1].x, 0);
    EXPECT_EQ(points[2].x, 2);
    EXPECT_EQ(points[3].x, -1);
    // 3/2 is kept as the float nearest 1 / 0.6666667, just under 1.5.
    SetWindowExtEx(dc, 3, 3, nullptr);
    SetViewportExtEx(dc, 2, 2, nullptr);
    POINT device[2] = {{1, 1}, {2, 2}};
    ASSERT_TRUE(DPtoLP(dc, device, 2));
    EXPECT_EQ(device[0].x, 1);
    EXPECT_EQ(device[1].x, 3);
    EXPECT_TRUE(LPtoDP(dc, nullptr, 0));
    DeleteDC(dc);
}

TEST(GdiMapping, ExtentsChangeOnlyInScalableModesAndIsotropicKeepsUnitsSquare) {
    HDC dc = CreateCompatibleDC(nullptr);
    SIZE extent{};
    EXPECT_TRUE(SetWindowExtEx(dc, 5, 5, &extent));
    GetWindowExtEx(dc, &extent);
    EXPECT_EQ(extent.cx, 1); // ignored in MM_TEXT
    SetMapMode(dc, MM_ANISOTROPIC);
    EXPECT_FALSE(SetWindowExtEx(dc, 0, 5, nullptr));
    SetMapMode(dc, MM_ISOTROPIC);
    SetWindowExtEx(dc, 100, 100, nullptr);
    SetViewportExtEx(dc, 50, -200, nullptr);
    GetViewportExtEx(dc, &extent);
    EXPECT_EQ(extent.cx, 50);
    EXPECT_EQ(extent.cy, -50);
    EXPECT_EQ(SetMapMode(dc, MM_ISOTROPIC), MM_ISOTROPIC); // keeps the extents
    GetViewportExtEx(dc, &extent);
    EXPECT_EQ(extent.cy, -50);
    DeleteDC(dc);
}

TEST(GdiMapping, OriginsMoveTheMappingAndWorldTransformResets) {
    HDC dc = CreateCompatibleDC(nullptr);
    POINT previous{};
    SetWindowOrgEx(dc, -10, 5, nullptr);
    SetViewportOrgEx(dc, 3, 4, &previous);
    EXPECT_EQ(previous.x, 0);
    POINT point{0, 0};
    LPtoDP(dc, &point, 1);
    EXPECT_EQ(point.x, 13);
    EXPECT_EQ(point.y, -1);

    XFORM scale{2, 0, 0, 2, 5, 5};
    EXPECT_FALSE(SetWorldTransform(dc, &scale)); // needs GM_ADVANCED
    EXPECT_EQ(SetGraphicsMode(dc, GM_ADVANCED), GM_COMPATIBLE);
    EXPECT_TRUE(SetWorldTransform(dc, &scale));
    XFORM singular{0, 0, 0, 0, 0, 0};
    EXPECT_FALSE(SetWorldTransform(dc, &singular));
    EXPECT_TRUE(ModifyWorldTransform(dc, nullptr, MWT_IDENTITY));
    EXPECT_FALSE(ModifyWorldTransform(dc, nullptr, MWT_LEFTMULTIPLY));
    XFORM read{};
    EXPECT_TRUE(GetWorldTransform(dc, &read));
    EXPECT_EQ(read.eM11, 1.0f);
    EXPECT_EQ(read.eDx, 0.0f);
    EXPECT_EQ(SetGraphicsMode(dc, GM_COMPATIBLE), GM_ADVANCED);
    EXPECT_EQ(SetGraphicsMode(dc, 3), 0);
    DeleteDC(dc);
}

// ---- SaveDC / RestoreDC ----

TEST(GdiSaveRestore, PositiveAndNegativeIdsRestoreStateAndObjects) {
    Canvas canvas(2, 2);
    HDC dc = canvas.dc();
    HBRUSH red = CreateSolidBrush(kRed);
    EXPECT_EQ(SaveDC(dc), 1);
    SetMapMode(dc, MM_TWIPS);
    SelectObject(dc, red);
    EXPECT_EQ(SaveDC(dc), 2);
    SetMapMode(dc, MM_LOMETRIC);
    SetTextColor(dc, kRed);
    EXPECT_EQ(SaveDC(dc), 3);
    SetMapMode(dc, MM_HIMETRIC);

    EXPECT_FALSE(RestoreDC(dc, 0));
    EXPECT_FALSE(RestoreDC(dc, 4));
    EXPECT_FALSE(RestoreDC(dc, -4));
    EXPECT_TRUE(RestoreDC(dc, -2)); // the second save, and later ones go
    EXPECT_EQ(GetMapMode(dc), MM_TWIPS);
    EXPECT_EQ(GetTextColor(dc), kBlack);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), red);
    EXPECT_FALSE(RestoreDC(dc, 2));
    EXPECT_EQ(SaveDC(dc), 2);
    EXPECT_TRUE(RestoreDC(dc, 1));
    EXPECT_EQ(GetMapMode(dc), MM_TEXT);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), GetStockObject(WHITE_BRUSH));
    EXPECT_FALSE(RestoreDC(dc, -1));

    // The bitmap is selected back, which frees the one selected meanwhile.
    HBITMAP other = CreateBitmap(2, 2, 1, 32, nullptr);
    int id = SaveDC(dc);
    SelectObject(dc, other);
    RestoreDC(dc, id);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BITMAP), canvas.bitmap());
    HDC second = CreateCompatibleDC(nullptr);
    EXPECT_NE(SelectObject(second, other), nullptr);
    DeleteDC(second);
    DeleteObject(other);
    DeleteObject(red);
}

// ---- Shapes ----

TEST(GdiShapes, RectangleOutlineAndNullPenInterior) {
    Canvas canvas(6, 5);
    EXPECT_TRUE(Rectangle(canvas.dc(), 0, 0, 5, 4)); // black pen, white brush
    SelectObject(canvas.dc(), GetStockObject(NULL_PEN));
    SelectObject(canvas.dc(), GetStockObject(BLACK_BRUSH));
    Rectangle(canvas.dc(), 2, 4, 6, 7); // loses the right column and bottom row
    EXPECT_EQ(canvas.Rows(),
              (std::vector<std::string>{"#####.", "#...#.", "#...#.", "#####.", "..###."}));
    SelectObject(canvas.dc(), GetStockObject(BLACK_PEN));
    SelectObject(canvas.dc(), GetStockObject(WHITE_BRUSH));
}

TEST(GdiShapes, PolygonInteriorsFollowTheTopLeftRule) {
    Canvas canvas(6, 6);
    SelectObject(canvas.dc(), GetStockObject(NULL_PEN));
    SelectObject(canvas.dc(), GetStockObject(BLACK_BRUSH));
    POINT square[4] = {{1, 1}, {4, 1}, {4, 4}, {1, 4}};
    EXPECT_TRUE(Polygon(canvas.dc(), square, 4));
    EXPECT_EQ(canvas.Rows(), (std::vector<std::string>{"......", ".###..", ".###..", ".###..",
                                                       "......", "......"}));
    SelectObject(canvas.dc(), GetStockObject(BLACK_PEN));
    POINT line[2] = {{0, 5}, {5, 5}};
    EXPECT_TRUE(Polygon(canvas.dc(), line, 2)); // there and back: both ends
    EXPECT_EQ(canvas.Row(5), "######");
    EXPECT_FALSE(Polygon(canvas.dc(), square, 1));
    SelectObject(canvas.dc(), GetStockObject(WHITE_BRUSH));
}

TEST(GdiShapes, EllipsesAreSymmetricAndTinyOnesAreRectangles) {
    Canvas canvas(9, 9);
    SelectObject(canvas.dc(), GetStockObject(NULL_PEN));
    SelectObject(canvas.dc(), GetStockObject(BLACK_BRUSH));
    EXPECT_TRUE(Ellipse(canvas.dc(), 0, 0, 7, 7)); // a null pen fills the whole 7 x 7 box
    EXPECT_EQ(canvas.Rows(), (std::vector<std::string>{"..###....", ".#####...", "#######..",
                                                       "#######..", "#######..", ".#####...",
                                                       "..###....", ".........", "........."}));
    PatBlt(canvas.dc(), 0, 0, 9, 9, WHITENESS);
    Ellipse(canvas.dc(), 1, 1, 3, 6); // two pixels wide: a null-pen rectangle
    EXPECT_EQ(canvas.Row(1), ".#.......");
    EXPECT_EQ(canvas.Row(5), ".........");
    SelectObject(canvas.dc(), GetStockObject(WHITE_BRUSH));
    SelectObject(canvas.dc(), GetStockObject(BLACK_PEN));
}

// ---- Blits ----

TEST(GdiBlit, StretchModesDecideWhichPixelsSurviveShrinking) {
    Canvas source(4, 4); // top row black, white, white, black; left column black
    for (POINT p : {POINT{0, 0}, POINT{3, 0}, POINT{0, 1}, POINT{0, 2}, POINT{0, 3}})
        SetPixel(source.dc(), p.x, p.y, kBlack);
    Canvas target(2, 4);
    auto shrinkRow = [&](int mode, int y) {
        SetStretchBltMode(target.dc(), mode);
        return StretchBlt(target.dc(), 0, y, 2, 1, source.dc(), 0, 0, 4, 1, SRCCOPY);
    };
    EXPECT_TRUE(shrinkRow(BLACKONWHITE, 0)); // black survives
    EXPECT_TRUE(shrinkRow(WHITEONBLACK, 1)); // white survives
    EXPECT_TRUE(shrinkRow(COLORONCOLOR, 2)); // the last pixel of each pair
    EXPECT_EQ(target.Row(0), "##");
    EXPECT_EQ(target.Row(1), "..");
    EXPECT_EQ(target.Row(2), ".#");
    // Down a column COLORONCOLOR keeps the first row of each pair:
    // column 1 is black, white, white, white.
    SetPixel(source.dc(), 1, 0, kBlack);
    StretchBlt(target.dc(), 0, 0, 1, 2, source.dc(), 1, 0, 1, 4, SRCCOPY);
    EXPECT_EQ(GetPixel(target.dc(), 0, 0), kBlack);
    EXPECT_EQ(GetPixel(target.dc(), 0, 1), kWhite);
    // Onto a single pixel Wine leaves out the last source pixel.
    PatBlt(target.dc(), 0, 3, 2, 1, WHITENESS);
    SetStretchBltMode(target.dc(), BLACKONWHITE);
    StretchBlt(target.dc(), 0, 3, 1, 1, source.dc(), 2, 0, 2, 1, SRCCOPY); // white, black
    EXPECT_EQ(GetPixel(target.dc(), 0, 3), kWhite);
    EXPECT_EQ(SetStretchBltMode(target.dc(), 0), 0);
    EXPECT_EQ(GetStretchBltMode(target.dc()), BLACKONWHITE);
}

TEST(GdiBlit, GrowingRepeatsAndNegativeWidthsMirror) {
    Canvas source(2, 1);
    SetPixel(source.dc(), 0, 0, kBlack);
    Canvas target(6, 2);
    EXPECT_TRUE(StretchBlt(target.dc(), 0, 0, 6, 1, source.dc(), 0, 0, 2, 1, SRCCOPY));
    EXPECT_TRUE(StretchBlt(target.dc(), 5, 1, -6, 1, source.dc(), 0, 0, 2, 1, SRCCOPY));
    EXPECT_EQ(target.Row(0), "###...");
    EXPECT_EQ(target.Row(1), "...###");
}

TEST(GdiBlit, RasterOperationsAndBadSources) {
    Canvas source(2, 1), target(2, 1);
    SetPixel(source.dc(), 0, 0, RGB(0, 255, 0));
    SetPixel(target.dc(), 0, 0, RGB(255, 0, 0));
    EXPECT_TRUE(BitBlt(target.dc(), 0, 0, 2, 1, source.dc(), 0, 0, SRCPAINT));
    EXPECT_EQ(GetPixel(target.dc(), 0, 0), RGB(255, 255, 0));
    EXPECT_TRUE(BitBlt(target.dc(), 0, 0, 2, 1, source.dc(), 0, 0, NOTSRCCOPY));
    EXPECT_EQ(GetPixel(target.dc(), 0, 0), RGB(255, 0, 255));
    EXPECT_EQ(GetPixel(target.dc(), 1, 0), kBlack);
    // Overlapping copies within one bitmap read the source first.
    Canvas strip(4, 1);
    SetPixel(strip.dc(), 0, 0, kBlack);
    BitBlt(strip.dc(), 1, 0, 3, 1, strip.dc(), 0, 0, SRCCOPY);
    EXPECT_EQ(strip.Row(0), "##..");

    HDC screen = GetDC(nullptr);
    EXPECT_FALSE(BitBlt(target.dc(), 0, 0, 2, 1, screen, 0, 0, SRCCOPY)); // cannot read the screen
    EXPECT_FALSE(BitBlt(target.dc(), 0, 0, 2, 1, nullptr, 0, 0, SRCCOPY));
    EXPECT_TRUE(BitBlt(target.dc(), 0, 0, 2, 1, nullptr, 0, 0, WHITENESS));     // no source needed
    EXPECT_TRUE(BitBlt(target.dc(), 0, 0, 2, 1, source.dc(), 50, 50, SRCCOPY)); // nothing visible
    ReleaseDC(nullptr, screen);
}

TEST(GdiBlit, MonochromeBitmapsConvertThroughTheDcColours) {
    const unsigned char bits[2] = {0x80, 0}; // one white pixel, then black
    HBITMAP mono = CreateBitmap(2, 1, 1, 1, bits);
    HDC monoDc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(monoDc, mono);
    Canvas target(2, 1);
    SetTextColor(target.dc(), kRed);         // black bits
    SetBkColor(target.dc(), RGB(0, 0, 255)); // white bits
    BitBlt(target.dc(), 0, 0, 2, 1, monoDc, 0, 0, SRCCOPY);
    EXPECT_EQ(GetPixel(target.dc(), 0, 0), RGB(0, 0, 255));
    EXPECT_EQ(GetPixel(target.dc(), 1, 0), kRed);
    // Colour to monochrome: the source background colour becomes white.
    SetBkColor(target.dc(), kRed);
    BitBlt(monoDc, 0, 0, 2, 1, target.dc(), 0, 0, SRCCOPY);
    EXPECT_EQ(GetPixel(monoDc, 0, 0), kBlack);
    EXPECT_EQ(GetPixel(monoDc, 1, 0), kWhite);
    // SetPixel takes the nearer of black and white.
    EXPECT_EQ(SetPixel(monoDc, 0, 0, RGB(128, 128, 128)), kWhite);
    EXPECT_EQ(SetPixel(monoDc, 0, 0, RGB(255, 0, 0)), kBlack);
    SelectObject(monoDc, old);
    DeleteObject(mono);
    DeleteDC(monoDc);
}

// ---- Pixels and colours ----

TEST(GdiPixels, OutsideReadsFailAndColoursResolve) {
    Canvas canvas(3, 3);
    EXPECT_EQ(GetPixel(canvas.dc(), -1, 0), CLR_INVALID);
    EXPECT_EQ(GetPixel(canvas.dc(), 3, 0), CLR_INVALID);
    EXPECT_EQ(SetPixel(canvas.dc(), 5, 5, kRed), kRed); // outside: still answers
    EXPECT_EQ(SetPixel(canvas.dc(), 1, 1, PALETTEINDEX(13)), kRed);
    EXPECT_EQ(GetPixel(canvas.dc(), 1, 1), kRed);
    EXPECT_EQ(SetPixel(canvas.dc(), 1, 1, PALETTEINDEX(300)), kBlack);
    EXPECT_EQ(SetPixel(canvas.dc(), 1, 1, PALETTERGB(1, 2, 3)), RGB(1, 2, 3));
    // Attributes keep what they are given.
    SetTextColor(canvas.dc(), 0x01020304);
    EXPECT_EQ(GetTextColor(canvas.dc()), 0x01020304u);
    EXPECT_EQ(SetBkMode(canvas.dc(), 3), 0);
    EXPECT_EQ(SetBkMode(canvas.dc(), TRANSPARENT), OPAQUE);
    EXPECT_EQ(SetTextAlign(canvas.dc(), TA_BASELINE | TA_CENTER),
              static_cast<UINT>(TA_TOP | TA_LEFT));
    POINT previous{};
    MoveToEx(canvas.dc(), 3, 4, nullptr);
    EXPECT_TRUE(MoveToEx(canvas.dc(), 5, 6, &previous));
    EXPECT_EQ(previous.x, 3);
}

// ---- Clipboard ----

TEST(GdiClipboard, OwnsTheBitmapAndFollowsTheOpenRules) {
    HBITMAP first = CreateBitmap(2, 2, 1, 32, nullptr);
    EXPECT_EQ(SetClipboardData(CF_BITMAP, first), nullptr); // not open
    EXPECT_FALSE(EmptyClipboard());
    EXPECT_FALSE(CloseClipboard());
    ASSERT_TRUE(OpenClipboard(GetDesktopWindow()));
    EXPECT_TRUE(EmptyClipboard());
    EXPECT_EQ(SetClipboardData(CF_BITMAP, first), first);
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_BITMAP));
    EXPECT_EQ(GetClipboardData(CF_BITMAP), first);
    EXPECT_EQ(SetClipboardData(CF_BITMAP, reinterpret_cast<HANDLE>(0x5555)), nullptr);
    EXPECT_TRUE(CloseClipboard());
    EXPECT_EQ(GetClipboardData(CF_BITMAP), nullptr); // closed
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_BITMAP));
    EXPECT_TRUE(Alive(first));

    // Emptying deletes the bitmap the clipboard owns; so does replacing it.
    ASSERT_TRUE(OpenClipboard(nullptr));
    EXPECT_TRUE(EmptyClipboard());
    EXPECT_FALSE(Alive(first));
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_BITMAP));
    HBITMAP second = CreateBitmap(2, 2, 1, 32, nullptr), third = CreateBitmap(2, 2, 1, 32, nullptr);
    SetClipboardData(CF_BITMAP, second);
    SetClipboardData(CF_BITMAP, third);
    EXPECT_FALSE(Alive(second));
    EXPECT_TRUE(Alive(third));
    EXPECT_TRUE(EmptyClipboard());
    EXPECT_TRUE(CloseClipboard());
}

// ---- Bad input ----

TEST(GdiBadInput, InvalidAndDeletedHandlesFailQuietly) {
    HDC deleted = CreateCompatibleDC(nullptr);
    DeleteDC(deleted);
    for (HDC bad : {static_cast<HDC>(nullptr), deleted, reinterpret_cast<HDC>(0x1234)}) {
        EXPECT_EQ(GetDeviceCaps(bad, LOGPIXELSX), 0);
        EXPECT_EQ(SaveDC(bad), 0);
        EXPECT_FALSE(RestoreDC(bad, 1));
        EXPECT_EQ(GetMapMode(bad), 0);
        EXPECT_EQ(SetMapMode(bad, MM_TEXT), 0);
        EXPECT_FALSE(PatBlt(bad, 0, 0, 1, 1, PATCOPY));
        EXPECT_FALSE(Ellipse(bad, 0, 0, 4, 4));
        EXPECT_FALSE(Rectangle(bad, 0, 0, 4, 4));
        EXPECT_EQ(GetPixel(bad, 0, 0), CLR_INVALID);
        EXPECT_EQ(SelectObject(bad, GetStockObject(BLACK_BRUSH)), nullptr);
        EXPECT_EQ(SetTextColor(bad, kRed), CLR_INVALID);
        EXPECT_EQ(CreateCompatibleBitmap(bad, 2, 2), nullptr);
        EXPECT_FALSE(DeleteDC(bad));
    }
    EXPECT_EQ(CreateCompatibleDC(reinterpret_cast<HDC>(0x1234)), nullptr);
    HDC dc = CreateCompatibleDC(nullptr);
    EXPECT_EQ(SelectObject(dc, nullptr), nullptr);
    EXPECT_EQ(SelectObject(dc, reinterpret_cast<HGDIOBJ>(0x4444)), nullptr);
    EXPECT_FALSE(DeleteObject(nullptr));
    EXPECT_FALSE(DeleteObject(reinterpret_cast<HGDIOBJ>(0x4444)));
    EXPECT_EQ(GetObjectA(dc, 0, nullptr), 0);
    EXPECT_EQ(GetCurrentObject(dc, 99), nullptr);
    EXPECT_TRUE(DeleteObject(dc)); // DeleteObject deletes DCs too
    EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSX), 0);
}

#ifndef _WIN32
// Windows refuses negative bitmap sizes (Wine makes them positive).
TEST(GdiBadInput, NegativeBitmapSizesAndNullOutputsFail) {
    HDC dc = CreateCompatibleDC(nullptr);
    EXPECT_EQ(CreateCompatibleBitmap(dc, -5, 10), nullptr);
    EXPECT_EQ(CreateBitmap(1, -1, 1, 32, nullptr), nullptr);
    // Null outputs and point arrays, which crash Windows, fail.
    POINT* noPoints = nullptr;
    EXPECT_FALSE(LPtoDP(dc, noPoints, 1));
    EXPECT_FALSE(Polygon(dc, noPoints, 3));
    EXPECT_FALSE(GetCurrentPositionEx(dc, nullptr));
    EXPECT_FALSE(GetWindowOrgEx(dc, nullptr));
    EXPECT_FALSE(GetWorldTransform(dc, nullptr));
    DeleteDC(dc);
}

// Wine lets a second thread open the clipboard opened without a window.
TEST(GdiClipboard, AnotherThreadCannotOpenItWhileOpen) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    BOOL openedElsewhere = TRUE, emptiedElsewhere = TRUE;
    std::thread other([&] {
        openedElsewhere = OpenClipboard(nullptr);
        emptiedElsewhere = EmptyClipboard();
    });
    other.join();
    EXPECT_FALSE(openedElsewhere);
    EXPECT_FALSE(emptiedElsewhere);
    EXPECT_TRUE(CloseClipboard());
    std::thread later([&] {
        openedElsewhere = OpenClipboard(nullptr);
        CloseClipboard();
    });
    later.join();
    EXPECT_TRUE(openedElsewhere);
}

TEST(GdiRasterPrinter, ReportsItsPageAndResolution) {
    EXPECT_EQ(CreateRasterPrinterDC(0, 10, 300, 300), nullptr);
    EXPECT_EQ(CreateRasterPrinterDC(10, 10, 0, 300), nullptr);
    EXPECT_EQ(CreateRasterPrinterDC(100000, 100000, 600, 600), nullptr);
    HDC printer = CreateRasterPrinterDC(2480, 3508, 300, 300); // A4 at 300 dpi
    ASSERT_NE(printer, nullptr);
    EXPECT_EQ(GetDeviceCaps(printer, TECHNOLOGY), DT_RASPRINTER);
    EXPECT_EQ(GetDeviceCaps(printer, HORZRES), 2480);
    EXPECT_EQ(GetDeviceCaps(printer, VERTRES), 3508);
    EXPECT_EQ(GetDeviceCaps(printer, HORZSIZE), 210);
    EXPECT_EQ(GetDeviceCaps(printer, VERTSIZE), 297);
    EXPECT_EQ(GetDeviceCaps(printer, LOGPIXELSY), 300);
    EXPECT_EQ(GetDeviceCaps(printer, PHYSICALWIDTH), 2480);
    EXPECT_EQ(GetDeviceCaps(printer, PHYSICALOFFSETX), 0);
    EXPECT_EQ(GetPixel(printer, 0, 0), kWhite);
    EXPECT_EQ(SelectObject(printer, CreateBitmap(2, 2, 1, 32, nullptr)), nullptr);
    // A memory DC made from it reports the printer.
    HDC memory = CreateCompatibleDC(printer);
    EXPECT_EQ(GetDeviceCaps(memory, LOGPIXELSX), 300);
    EXPECT_EQ(GetDeviceCaps(memory, TECHNOLOGY), DT_RASPRINTER);
    DeleteDC(memory);
    EXPECT_TRUE(DeleteDC(printer));
}

TEST(GdiRasterPrinter, SavesPngFiles) {
    HDC printer = CreateRasterPrinterDC(30, 20, 300, 300);
    PatBlt(printer, 0, 0, 10, 10, BLACKNESS);
    std::string path = testing::TempDir() + "gdi-raster-page.png";
    ASSERT_TRUE(SaveDCAsPng(printer, path.c_str()));
    FILE* file = std::fopen(path.c_str(), "rb");
    ASSERT_NE(file, nullptr);
    unsigned char header[24] = {};
    ASSERT_EQ(std::fread(header, 1, sizeof header, file), sizeof header);
    std::fclose(file);
    EXPECT_EQ(header[1], 'P');
    EXPECT_EQ(header[19], 30); // IHDR width
    EXPECT_EQ(header[23], 20); // IHDR height
    std::remove(path.c_str());
    EXPECT_FALSE(SaveDCAsPng(printer, "/nonexistent-directory/page.png"));
    EXPECT_FALSE(SaveDCAsPng(nullptr, path.c_str()));
    EXPECT_FALSE(SaveBitmapAsPng(nullptr, path.c_str()));
    HDC screen = GetDC(nullptr);
    EXPECT_FALSE(SaveDCAsPng(screen, path.c_str())); // draws on nothing
    ReleaseDC(nullptr, screen);
    DeleteDC(printer);
}
#endif

} // namespace
