// Raster operations and the pixel-level calls: PatBlt, GetPixel, SetPixel.
//
// PatBlt follows what Wine showed: only the raster operation's bits 16..23
// count; an operation that reads the source fails; any other is reduced to
// the binary operation of pattern and destination it stands for (so even
// undocumented codes draw something, as in GDI). A negative width or height
// covers the pixels from x + width + 1 to x, the same as GDI's bounding
// rectangle; an empty or fully clipped rectangle succeeds without drawing.
#include "gdi_draw.h"

#include <algorithm>
#include <climits>

using gdi::DeviceContext;
using gdi::GdiLock;
using gdi::kRgbMask;

namespace gdi {

bool RopUsesSource(DWORD rop) {
    return ((rop >> 2) & 0x330000) != (rop & 0x330000);
}

int Rop2FromRop(DWORD rop) {
    return static_cast<int>((((rop >> 18) & 0x0c) | ((rop >> 16) & 0x03)) + 1);
}

uint32_t ApplyRop2(int rop2, uint32_t pen, uint32_t destination) {
    uint32_t p = pen, d = destination, r;
    switch (rop2) {
    case 1:
        r = 0;
        break; // R2_BLACK
    case 2:
        r = ~(d | p);
        break; // R2_NOTMERGEPEN
    case 3:
        r = ~p & d;
        break; // R2_MASKNOTPEN
    case 4:
        r = ~p;
        break; // R2_NOTCOPYPEN
    case 5:
        r = p & ~d;
        break; // R2_MASKPENNOT
    case 6:
        r = ~d;
        break; // R2_NOT
    case 7:
        r = p ^ d;
        break; // R2_XORPEN
    case 8:
        r = ~(p & d);
        break; // R2_NOTMASKPEN
    case 9:
        r = p & d;
        break; // R2_MASKPEN
    case 10:
        r = ~(p ^ d);
        break; // R2_NOTXORPEN
    case 11:
        r = d;
        break; // R2_NOP
    case 12:
        r = ~p | d;
        break; // R2_MERGENOTPEN
    case 13:
        r = p;
        break; // R2_COPYPEN
    case 14:
        r = p | ~d;
        break; // R2_MERGEPENNOT
    case 15:
        r = p | d;
        break; // R2_MERGEPEN
    default:
        r = ~0u;
        break; // R2_WHITE
    }
    return r & kRgbMask;
}

uint32_t ApplyRop3(DWORD rop, uint32_t pattern, uint32_t source, uint32_t destination) {
    const unsigned code = (rop >> 16) & 0xFF;
    switch (code) { // the common ones directly
    case 0xCC:
        return source & kRgbMask;
    case 0xF0:
        return pattern & kRgbMask;
    case 0x00:
        return 0;
    case 0xFF:
        return kRgbMask;
    default:
        break;
    }
    // Bit i of the code is the result for pattern bit (i >> 2), source bit
    // (i >> 1) & 1 and destination bit i & 1.
    uint32_t result = 0;
    for (unsigned i = 0; i < 8; ++i) {
        if (!(code & (1u << i))) continue;
        result |= ((i & 4) ? pattern : ~pattern) & ((i & 2) ? source : ~source) &
                  ((i & 1) ? destination : ~destination);
    }
    return result & kRgbMask;
}

RECT BoundingRect(int x, int y, int width, int height) {
    auto span = [](int start, int size, LONG& low, LONG& high) {
        int64_t end = int64_t(start) + size;
        int64_t a = start, b = end;
        if (a > b) { // a negative size covers end + 1 .. start
            a = end + 1;
            b = int64_t(start) + 1;
        }
        low = static_cast<LONG>(std::clamp<int64_t>(a, INT_MIN, INT_MAX));
        high = static_cast<LONG>(std::clamp<int64_t>(b, INT_MIN, INT_MAX));
    };
    RECT rect;
    span(x, width, rect.left, rect.right);
    span(y, height, rect.top, rect.bottom);
    return rect;
}

namespace {

// Operations whose result does not depend on the destination.
bool IgnoresDestination(int rop2) {
    return rop2 == 1 || rop2 == 4 || rop2 == 13 || rop2 == 16;
}

// One value over [left, right) x [top, bottom), inside the raster. A bar of a
// linear code is a few pixels wide and hundreds of rows high: rows of up to
// eight pixels are written as single stores, which a general fill of each
// short row would spend more on setting up than on the pixels.
void FillSolid(Raster& raster, int left, int top, int right, int bottom, uint32_t value) {
    const size_t stride = static_cast<size_t>(raster.width);
    uint32_t* row = raster.pixels.data() + static_cast<size_t>(top) * stride + left;
    const int width = right - left;
    if (width > 8) {
        for (int y = top; y < bottom; ++y, row += stride)
            std::fill(row, row + width, value);
        return;
    }
    for (int y = top; y < bottom; ++y, row += stride) {
        switch (width) {
        case 8:
            row[7] = value;
            [[fallthrough]];
        case 7:
            row[6] = value;
            [[fallthrough]];
        case 6:
            row[5] = value;
            [[fallthrough]];
        case 5:
            row[4] = value;
            [[fallthrough]];
        case 4:
            row[3] = value;
            [[fallthrough]];
        case 3:
            row[2] = value;
            [[fallthrough]];
        case 2:
            row[1] = value;
            [[fallthrough]];
        default:
            row[0] = value;
        }
    }
}

} // namespace

void FillRect(Raster& raster, RECT rect, const Paint& paint, int rop2) {
    int left = std::max<int>(rect.left, 0), right = std::min<int>(rect.right, raster.width);
    int top = std::max<int>(rect.top, 0), bottom = std::min<int>(rect.bottom, raster.height);
    if (left >= right || top >= bottom) return;
    // Bars, backgrounds and modules are solid fills: each row is one span
    // of a single value, which a print of a whole page repeats millions of
    // times.
    if (!paint.dithered && IgnoresDestination(rop2)) {
        FillSolid(raster, left, top, right, bottom, ApplyRop2(rop2, paint.pixel, 0));
        return;
    }
    for (int y = top; y < bottom; ++y) {
        uint32_t* row = raster.pixels.data() + static_cast<size_t>(y) * raster.width;
        for (int x = left; x < right; ++x)
            row[x] = ApplyRop2(rop2, paint.dithered ? paint.At(x, y) : paint.pixel, row[x]);
    }
}

} // namespace gdi

BOOL PatBlt(HDC hdc, int x, int y, int width, int height, DWORD rop) {
    if (gdi::RopUsesSource(rop)) return FALSE;
    std::lock_guard<std::recursive_mutex> lock(GdiLock());
    DeviceContext* dc = gdi::LookupDC(hdc);
    if (!dc) return FALSE;
    gdi::Raster* raster = gdi::TargetRaster(*dc);
    if (!raster) return TRUE; // the screen: drawn on nothing

    POINT topLeft = gdi::LogicalToDevice(*dc, {x, y});
    POINT bottomRight = gdi::LogicalToDevice(
        *dc, {gdi::Saturate(int64_t(x) + width), gdi::Saturate(int64_t(y) + height)});
    RECT rect =
        gdi::BoundingRect(topLeft.x, topLeft.y, gdi::Saturate(int64_t(bottomRight.x) - topLeft.x),
                          gdi::Saturate(int64_t(bottomRight.y) - topLeft.y));

    const int rop2 = gdi::Rop2FromRop(rop);
    gdi::Paint pattern;
    bool patternUsed = rop2 != 1 && rop2 != 6 && rop2 != 11 && rop2 != 16;
    // With a null brush, operations that need the pattern leave the
    // destination alone.
    if (patternUsed && !gdi::BrushPaint(*dc, *raster, pattern)) return TRUE;
    gdi::FillRect(*raster, rect, pattern, rop2);
    return TRUE;
}

COLORREF GetPixel(HDC hdc, int x, int y) {
    std::lock_guard<std::recursive_mutex> lock(GdiLock());
    DeviceContext* dc = gdi::LookupDC(hdc);
    if (!dc) return CLR_INVALID;
    gdi::Raster* raster = gdi::TargetRaster(*dc);
    if (!raster) return CLR_INVALID;
    POINT device = gdi::LogicalToDevice(*dc, {x, y});
    if (!raster->Contains(device.x, device.y)) return CLR_INVALID;
    return raster->At(device.x, device.y) & kRgbMask;
}

// Returns the colour the pixel was given, also when it lies outside the
// bitmap (as GDI does); a monochrome bitmap stores the nearer of black and
// white.
COLORREF SetPixel(HDC hdc, int x, int y, COLORREF color) {
    std::lock_guard<std::recursive_mutex> lock(GdiLock());
    DeviceContext* dc = gdi::LookupDC(hdc);
    if (!dc) return CLR_INVALID;
    gdi::Raster* raster = gdi::TargetRaster(*dc);
    if (!raster) return gdi::ResolveColor(color);
    uint32_t pixel = gdi::NearestPixel(*raster, color);
    POINT device = gdi::LogicalToDevice(*dc, {x, y});
    if (raster->Contains(device.x, device.y)) raster->Set(device.x, device.y, pixel);
    return pixel;
}
