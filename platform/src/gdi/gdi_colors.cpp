// From COLORREF to pixel: palette indexes, and the two ways GDI maps a
// colour onto a monochrome bitmap. Checked under Wine with SetPixel and
// solid brushes on colour and monochrome bitmaps.
#include "gdi_draw.h"

#include <array>

namespace gdi {

namespace {

// The 20 entries of the default palette (COLORREF values), as
// SetPixel(PALETTEINDEX(i)) reports them.
constexpr std::array<COLORREF, 20> kDefaultPalette = {
    0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000,
    0xc0c0c0, 0xc0dcc0, 0xf0caa6, 0xf0fbff, 0xa4a0a0, 0x808080, 0x0000ff,
    0x00ff00, 0x00ffff, 0xff0000, 0xff00ff, 0xffff00, 0xffffff};

constexpr uint32_t kBlack = 0;
constexpr uint32_t kWhite = kRgbMask;

int SquaredDistance(COLORREF a, COLORREF b) {
    int dr = GetRValue(a) - GetRValue(b);
    int dg = GetGValue(a) - GetGValue(b);
    int db = GetBValue(a) - GetBValue(b);
    return dr * dr + dg * dg + db * db;
}

} // namespace

// A tie goes to black, the first entry of the monochrome colour table.
uint32_t NearestBlackOrWhite(COLORREF rgb) {
    return SquaredDistance(rgb, kWhite) < SquaredDistance(rgb, kBlack) ? kWhite : kBlack;
}

COLORREF ResolveColor(COLORREF color) {
    if (color & 0x01000000) { // PALETTEINDEX: an unknown index gives entry 0
        WORD index = static_cast<WORD>(color & 0xFFFF);
        return index < kDefaultPalette.size() ? kDefaultPalette[index] : kDefaultPalette[0];
    }
    if ((color >> 16) == 0x10FF) return 0; // DIBINDEX: colour bitmaps have no table
    return color & kRgbMask;
}

uint32_t NearestPixel(const Raster& raster, COLORREF color) {
    COLORREF rgb = ResolveColor(color);
    return raster.monochrome ? NearestBlackOrWhite(rgb) : rgb;
}

uint32_t ForegroundPixel(const Raster& raster, COLORREF color, COLORREF bkColor) {
    COLORREF rgb = ResolveColor(color);
    if (!raster.monochrome) return rgb;
    if (rgb == kBlack || rgb == kWhite) return rgb;
    uint32_t background = NearestBlackOrWhite(ResolveColor(bkColor));
    return color == bkColor ? background : (background ^ kWhite);
}

namespace {

// The 8x8 ordered-dither (Bayer) matrix.
constexpr unsigned char kBayer[8][8] = {
    {0, 32, 8, 40, 2, 34, 10, 42},  {48, 16, 56, 24, 50, 18, 58, 26},
    {12, 44, 4, 36, 14, 46, 6, 38}, {60, 28, 52, 20, 62, 30, 54, 22},
    {3, 35, 11, 43, 1, 33, 9, 41},  {51, 19, 59, 27, 49, 17, 57, 25},
    {15, 47, 7, 39, 13, 45, 5, 37}, {63, 31, 55, 23, 61, 29, 53, 21}};

} // namespace

uint32_t Paint::At(int x, int y) const {
    if (!dithered) return pixel;
    return grey + kBayer[y & 7][x & 7] > 63 ? kWhite : kBlack;
}

// Wine dithers a solid brush on a monochrome bitmap unless its colour is
// exactly black or white (a palette index always dithers): grey level
// (30 R + 59 G + 11 B + 200) / 400, white where it exceeds the Bayer matrix.
// Pens and text are not dithered; they take ForegroundPixel's black or white.
bool BrushPaint(const DeviceContext& dc, const Raster& raster, Paint& paint) {
    const GdiObject* brush = LookupObject(dc.state.brush, ObjectKind::kBrush);
    if (!brush || brush->isNull) return false;
    COLORREF rgb = ResolveColor(brush->color);
    paint = Paint{};
    bool paletteIndex = (brush->color & 0x01000000) != 0;
    if (raster.monochrome && (paletteIndex || (rgb != kBlack && rgb != kWhite))) {
        paint.dithered = true;
        paint.grey = (30 * GetRValue(rgb) + 59 * GetGValue(rgb) + 11 * GetBValue(rgb) + 200) / 400;
    } else {
        paint.pixel = ForegroundPixel(raster, brush->color, dc.state.bkColor);
    }
    return true;
}

} // namespace gdi
