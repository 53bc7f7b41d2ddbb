// Brushes, pens and bitmaps: creation, deletion and GetObject, with the
// answers Windows and Wine give for empty, negative and huge sizes.
#include "gdi_draw.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <new>

using gdi::GdiLock;
using gdi::GdiObject;
using gdi::ObjectKind;

namespace {

// Bitmaps keep 1 or 32 bits per pixel; other depths are stored as colour
// but report the depth they were asked for, as GDI rounds it.
int NormalizedBitsPerPixel(UINT bitsPerPixel) {
    if (bitsPerPixel == 1) return 1;
    if (bitsPerPixel <= 4) return 4;
    if (bitsPerPixel <= 8) return 8;
    if (bitsPerPixel <= 16) return 16;
    if (bitsPerPixel <= 24) return 24;
    if (bitsPerPixel <= 32) return 32;
    return 0;
}

// Bytes per row of a device-dependent bitmap: padded to 16 bits.
LONG BitmapStride(int width, int bitsPerPixel) {
    return static_cast<LONG>(((int64_t(width) * bitsPerPixel + 15) >> 3) & ~int64_t(1));
}

bool SizeAllowed(int width, int height) {
    return width > 0 && height > 0 && int64_t(width) * height <= gdi::kMaxBitmapPixels;
}

// A new bitmap object of the given size, black as GDI creates it; null when
// the size is refused or memory runs out.
std::unique_ptr<GdiObject> NewBitmap(int width, int height, int bitsPerPixel) {
    if (!SizeAllowed(width, height)) return nullptr;
    try {
        auto bitmap = std::make_unique<GdiObject>();
        bitmap->kind = ObjectKind::kBitmap;
        bitmap->bitsPerPixel = bitsPerPixel;
        bitmap->raster = std::make_shared<gdi::Raster>();
        bitmap->raster->width = width;
        bitmap->raster->height = height;
        bitmap->raster->monochrome = bitsPerPixel == 1;
        bitmap->raster->pixels.assign(static_cast<size_t>(width) * height, 0);
        return bitmap;
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

// CreateBitmap's initial bits: rows of the bitmap's stride, top row first;
// monochrome bits are 1 for white, colour pixels are blue, green, red bytes.
void CopyInitialBits(gdi::Raster& raster, int bitsPerPixel, const void* bits) {
    const auto* bytes = static_cast<const unsigned char*>(bits);
    const LONG stride = BitmapStride(raster.width, bitsPerPixel);
    for (int y = 0; y < raster.height; ++y) {
        const unsigned char* row = bytes + static_cast<size_t>(y) * stride;
        for (int x = 0; x < raster.width; ++x) {
            uint32_t pixel = 0;
            if (bitsPerPixel == 1) {
                pixel = (row[x / 8] & (0x80 >> (x % 8))) ? gdi::kRgbMask : 0;
            } else if (bitsPerPixel == 24 || bitsPerPixel == 32) {
                const unsigned char* p = row + static_cast<size_t>(x) * (bitsPerPixel / 8);
                pixel = RGB(p[2], p[1], p[0]);
            }
            raster.Set(x, y, pixel);
        }
    }
}

HBITMAP DefaultBitmap() {
    return static_cast<HBITMAP>(gdi::StockObject(gdi::kDefaultBitmapIndex));
}

int CopyPartially(const void* source, int size, int count, void* buffer) {
    int copied = std::min(count, size);
    std::memcpy(buffer, source, static_cast<size_t>(copied));
    return copied;
}

int GetBitmapObject(const GdiObject& bitmap, int count, void* buffer) {
    if (!buffer) return sizeof(BITMAP);
    if (count < static_cast<int>(sizeof(BITMAP))) return 0;
    BITMAP info{};
    info.bmWidth = bitmap.raster->width;
    info.bmHeight = bitmap.raster->height;
    info.bmWidthBytes = BitmapStride(bitmap.raster->width, bitmap.bitsPerPixel);
    info.bmPlanes = 1;
    info.bmBitsPixel = static_cast<WORD>(bitmap.bitsPerPixel);
    std::memcpy(buffer, &info, sizeof info);
    return sizeof(BITMAP);
}

int GetBrushObject(const GdiObject& brush, int count, void* buffer) {
    if (!buffer) return sizeof(LOGBRUSH);
    LOGBRUSH info{};
    info.lbStyle = brush.isNull ? BS_NULL : BS_SOLID;
    info.lbColor = brush.isNull ? 0 : brush.color;
    return CopyPartially(&info, sizeof info, count, buffer);
}

int GetPenObject(const GdiObject& pen, int count, void* buffer) {
    if (!buffer) return sizeof(LOGPEN);
    if (count < static_cast<int>(sizeof(LOGPEN))) return 0;
    LOGPEN info{};
    info.lopnStyle = static_cast<UINT>(pen.penStyle);
    info.lopnWidth.x = pen.penWidth;
    info.lopnColor = pen.color;
    std::memcpy(buffer, &info, sizeof info);
    return sizeof(LOGPEN);
}

} // namespace

DWORD GetGuiResources(HANDLE process, DWORD flags) {
    if (process != GetCurrentProcess() || flags != GR_GDIOBJECTS) return 0;
    std::lock_guard<std::recursive_mutex> lock(GdiLock());
    return static_cast<DWORD>(gdi::LiveHandleCount());
}

HGDIOBJ GetStockObject(int index) {
    std::lock_guard<std::recursive_mutex> lock(GdiLock());
    return gdi::StockObject(index);
}

HBRUSH CreateSolidBrush(COLORREF color) {
    std::lock_guard<std::recursive_mutex> lock(GdiLock());
    try {
        auto brush = std::make_unique<GdiObject>();
        brush->kind = ObjectKind::kBrush;
        brush->color = color;
        return static_cast<HBRUSH>(gdi::AddObject(std::move(brush)));
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

HPEN CreatePen(int style, int width, COLORREF color) {
    std::lock_guard<std::recursive_mutex> lock(GdiLock());
    // A null pen is always the stock one, whatever width and colour it asks for.
    if ((style & PS_STYLE_MASK) == PS_NULL) return static_cast<HPEN>(gdi::StockObject(NULL_PEN));
    try {
        auto pen = std::make_unique<GdiObject>();
        pen->kind = ObjectKind::kPen;
        pen->penStyle = style;
        pen->penWidth = width == INT_MIN ? INT_MAX : std::abs(width);
        pen->color = color;
        return static_cast<HPEN>(gdi::AddObject(std::move(pen)));
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits) {
    std::lock_guard<std::recursive_mutex> lock(GdiLock());
    // An empty size gives the stock 1x1 monochrome bitmap, whatever else is asked.
    if (width == 0 || height == 0) return DefaultBitmap();
    if (width < 0 || height < 0 || planes != 1) return nullptr;
    int depth = NormalizedBitsPerPixel(bitsPerPixel);
    if (depth == 0) return nullptr;
    std::unique_ptr<GdiObject> bitmap = NewBitmap(width, height, depth);
    if (!bitmap) return nullptr;
    if (bits) CopyInitialBits(*bitmap->raster, depth, bits);
    return static_cast<HBITMAP>(gdi::AddObject(std::move(bitmap)));
}

HBITMAP CreateCompatibleBitmap(HDC hdc, int width, int height) {
    std::lock_guard<std::recursive_mutex> lock(GdiLock());
    gdi::DeviceContext* dc = gdi::LookupDC(hdc);
    if (!dc) return nullptr;
    if (width == 0 || height == 0) return DefaultBitmap();
    if (width < 0 || height < 0) return nullptr;
    // A memory DC makes bitmaps like the one it has selected: monochrome
    // while it still has its default bitmap. Every other device is colour.
    int depth = 32;
    if (dc->kind == gdi::DeviceContext::Kind::kMemory) {
        if (GdiObject* selected = gdi::LookupObject(dc->state.bitmap, ObjectKind::kBitmap))
            depth = selected->bitsPerPixel == 1 ? 1 : 32;
    }
    std::unique_ptr<GdiObject> bitmap = NewBitmap(width, height, depth);
    if (!bitmap) return nullptr;
    return static_cast<HBITMAP>(gdi::AddObject(std::move(bitmap)));
}

BOOL DeleteObject(HGDIOBJ handle) {
    std::lock_guard<std::recursive_mutex> lock(GdiLock());
    if (!handle) return FALSE;
    if (gdi::LookupDC(static_cast<HDC>(handle))) return DeleteDC(static_cast<HDC>(handle));
    GdiObject* object = gdi::LookupObject(handle);
    if (!object) return FALSE;
    if (object->stock) return TRUE;
    // Wine defers deleting an object a DC still has selected: the call
    // succeeds and the object goes when the last DC lets go of it.
    if (object->selectedCount > 0) {
        object->deletePending = true;
        return TRUE;
    }
    gdi::DestroyObject(handle);
    return TRUE;
}

int GetObjectA(HGDIOBJ handle, int count, LPVOID buffer) {
    std::lock_guard<std::recursive_mutex> lock(GdiLock());
    GdiObject* object = gdi::LookupObject(handle);
    if (!object || (buffer && count <= 0)) return 0;
    switch (object->kind) {
    case ObjectKind::kBitmap:
        return GetBitmapObject(*object, count, buffer);
    case ObjectKind::kBrush:
        return GetBrushObject(*object, count, buffer);
    case ObjectKind::kPen:
        return GetPenObject(*object, count, buffer);
    case ObjectKind::kFont:
        if (!buffer) return sizeof(LOGFONTA);
        return CopyPartially(&object->logfont, sizeof(LOGFONTA), count, buffer);
    }
    return 0;
}
