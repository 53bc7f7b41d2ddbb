// What the parts of the Linux GDI layer share: the objects behind the
// handles, the device context's state, and the mapping from logical to
// device coordinates. Nothing outside platform/src/gdi includes this.
#pragma once

#include "win32api.h"

#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

namespace gdi {

// A 32-bit raster: one COLORREF-ordered value (0x00BBGGRR) per pixel, rows
// top to bottom.
struct Raster {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;

    uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    void Set(int x, int y, uint32_t color) { pixels[static_cast<size_t>(y) * width + x] = color; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    // A monochrome (1 bit per pixel) bitmap keeps only black (0) and white
    // (0xFFFFFF) pixels; drawing on it maps colours as GDI does.
    bool monochrome = false;
};

// Larger bitmaps are refused, not allocated (a 1200 dpi A3 page is about
// 14000 x 20000 pixels).
inline constexpr int64_t kMaxBitmapPixels = 400LL * 1000 * 1000;

class FontFace; // the text engine's loaded font (gdi_text.cpp)

enum class ObjectKind { kBitmap, kBrush, kPen, kFont };

struct GdiObject {
    ObjectKind kind;
    bool stock = false;       // stock objects ignore DeleteObject
    int selectedCount = 0;    // DCs that have it selected (bitmaps: at most one)
    bool deletePending = false;
    // kBitmap
    std::shared_ptr<Raster> raster;
    int bitsPerPixel = 32; // as GetObject reports it (1, 4, 8, 16, 24 or 32)
    // kBrush / kPen
    bool isNull = false;      // NULL_BRUSH, NULL_PEN, PS_NULL
    COLORREF color = 0;
    int penWidth = 1;
    int penStyle = PS_SOLID; // kPen: the style as created (PS_SOLID, PS_NULL, ...)
    // kFont
    LOGFONTA logfont{};
    std::shared_ptr<FontFace> face; // resolved lazily by the text engine
};

// The part of a device context that SaveDC saves and RestoreDC restores.
struct DcState {
    int mapMode = MM_TEXT;
    POINT windowOrg{0, 0};
    SIZE windowExt{1, 1};
    POINT viewportOrg{0, 0};
    SIZE viewportExt{1, 1};
    int graphicsMode = GM_COMPATIBLE;
    XFORM worldTransform{1, 0, 0, 1, 0, 0};
    UINT textAlign = TA_LEFT | TA_TOP | TA_NOUPDATECP;
    COLORREF textColor = RGB(0, 0, 0);
    COLORREF bkColor = RGB(255, 255, 255);
    int bkMode = OPAQUE;
    int stretchMode = BLACKONWHITE;
    POINT currentPosition{0, 0};
    HGDIOBJ brush = nullptr;
    HGDIOBJ pen = nullptr;
    HGDIOBJ font = nullptr;
    HGDIOBJ bitmap = nullptr; // memory DCs only
};

struct DeviceContext {
    enum class Kind { kMemory, kScreen, kRasterPrinter } kind = Kind::kMemory;
    int dpiX = 96;
    int dpiY = 96;
    // The raster a printer DC draws on (its page); memory DCs draw on the
    // selected bitmap's raster, the screen DC on nothing.
    std::shared_ptr<Raster> page;
    DcState state;
    std::vector<DcState> saved;
    // The device's size in pixels (HORZRES/VERTRES): the screen's for the
    // screen and memory DCs, the page's for a raster printer DC.
    int horzRes = 1024;
    int vertRes = 768;
    // GetDeviceCaps(TECHNOLOGY): a memory DC made compatible with a raster
    // printer DC reports the printer, as on Windows.
    int technology = DT_RASDISPLAY;
};

// One lock for the handle tables: GDI objects may be used from any thread.
std::recursive_mutex& GdiLock();

// Handle lookups; null for unknown, deleted or wrong-kind handles.
DeviceContext* LookupDC(HDC hdc);
GdiObject* LookupObject(HGDIOBJ object);
GdiObject* LookupObject(HGDIOBJ object, ObjectKind kind);

// Gives a new object a handle (for example a font made by the text engine);
// the handle table owns it from then on. Returns null when out of memory.
HGDIOBJ AddObject(std::unique_ptr<GdiObject> object);

// The raster drawing goes to: the selected bitmap's of a memory DC (with the
// default bitmap still selected, that 1x1 monochrome raster), the page of a
// raster printer DC, null for the screen DC (which draws on nothing).
Raster* TargetRaster(DeviceContext& dc);

// Logical to device coordinates and back under the DC's mapping mode
// (window/viewport origins and extents); device coordinates are pixels of
// the target raster. Scales are the device units per logical unit.
POINT LogicalToDevice(const DeviceContext& dc, POINT logical);
POINT DeviceToLogical(const DeviceContext& dc, POINT device);
double ScaleX(const DeviceContext& dc);
double ScaleY(const DeviceContext& dc);

// The text engine (gdi_text.cpp): called when a font object is deleted, and
// to find the font a DC writes with (the selected one, or the stock system
// font).
void ReleaseFontFace(GdiObject& font);

// The font a DC writes with: the selected font object, else the stock system
// font (else a built-in copy of it). Never fails (gdi_text.cpp).
GdiObject& CurrentFont(DeviceContext& dc);

} // namespace gdi
