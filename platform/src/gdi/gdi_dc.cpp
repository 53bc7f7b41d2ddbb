// Device contexts: memory DCs, the screen DC, raster printer DCs, their
// device capabilities, object selection, and SaveDC/RestoreDC.
//
// The screen is what Wine reports without a display: 1024 x 768 pixels at
// 96 dpi, 271 x 203 mm. Memory DCs report the device they are compatible
// with (the screen unless made from a printer DC). Keeping these numbers
// equal to Wine's keeps MM_TWIPS and the other metric mapping modes equal
// on both builds, since GDI derives them from the size in whole millimetres.
#include "gdi_draw.h"

#include "rasterdc.h"

#include <cstdlib>
#include <new>

using gdi::DeviceContext;
using gdi::GdiLock;
using gdi::GdiObject;
using gdi::ObjectKind;

namespace {

constexpr int kScreenWidth = 1024;
constexpr int kScreenHeight = 768;
constexpr int kScreenDpi = 96;
// Printer resolutions beyond this are refused (1200 dpi printers exist;
// this leaves room without letting the size arithmetic overflow).
constexpr int kMaxDpi = 100000;

// Millimetres from pixels and dots per inch, rounded to the nearest whole
// millimetre as GDI computes HORZSIZE and VERTSIZE.
int SizeInMillimetres(int pixels, int dpi) {
    return static_cast<int>((int64_t(pixels) * 254 + dpi * 5) / (int64_t(dpi) * 10));
}

std::unique_ptr<DeviceContext> NewDC(DeviceContext::Kind kind) {
    auto dc = std::make_unique<DeviceContext>();
    dc->kind = kind;
    dc->dpiX = dc->dpiY = kScreenDpi;
    dc->horzRes = kScreenWidth;
    dc->vertRes = kScreenHeight;
    // A new DC has the white brush, the black pen and the system font, and a
    // memory DC the 1x1 monochrome bitmap.
    dc->state.brush = gdi::StockObject(WHITE_BRUSH);
    dc->state.pen = gdi::StockObject(BLACK_PEN);
    dc->state.font = gdi::StockObject(SYSTEM_FONT);
    if (kind == DeviceContext::Kind::kMemory)
        dc->state.bitmap = gdi::StockObject(gdi::kDefaultBitmapIndex);
    for (HGDIOBJ object : {dc->state.brush, dc->state.pen, dc->state.font, dc->state.bitmap})
        gdi::RetainSelection(object);
    return dc;
}

void ReleaseSelections(const DeviceContext& dc) {
    for (HGDIOBJ object : {dc.state.brush, dc.state.pen, dc.state.font, dc.state.bitmap})
        gdi::ReleaseSelection(object);
}

HGDIOBJ& SlotFor(gdi::DcState& state, ObjectKind kind) {
    switch (kind) {
    case ObjectKind::kBrush:
        return state.brush;
    case ObjectKind::kPen:
        return state.pen;
    case ObjectKind::kFont:
        return state.font;
    case ObjectKind::kBitmap:
        break;
    }
    return state.bitmap;
}

// Only memory DCs take bitmaps; a bitmap can be selected into one DC at a
// time (the stock default bitmap into any number), and only in a format the
// device can draw on: monochrome or 32-bit colour (Wine refuses other depths).
bool CanSelectBitmap(const DeviceContext& dc, HGDIOBJ handle, const GdiObject& bitmap) {
    if (dc.kind != DeviceContext::Kind::kMemory) return false;
    if (bitmap.selectedCount > 0 && handle != gdi::StockObject(gdi::kDefaultBitmapIndex))
        return false;
    return bitmap.bitsPerPixel == 1 || bitmap.bitsPerPixel == 32;
}

} // namespace

namespace gdi {

Raster* TargetRaster(DeviceContext& dc) {
    switch (dc.kind) {
    case DeviceContext::Kind::kRasterPrinter:
        return dc.page.get();
    case DeviceContext::Kind::kMemory:
        if (GdiObject* bitmap = LookupObject(dc.state.bitmap, ObjectKind::kBitmap))
            return bitmap->raster.get();
        return nullptr;
    case DeviceContext::Kind::kScreen:
        break;
    }
    return nullptr;
}

int DeviceCaps(const DeviceContext& dc, int index) {
    bool printer = dc.technology == DT_RASPRINTER;
    switch (index) {
    case TECHNOLOGY:
        return dc.technology;
    case HORZRES:
        return dc.horzRes;
    case VERTRES:
        return dc.vertRes;
    case HORZSIZE:
        return SizeInMillimetres(dc.horzRes, dc.dpiX);
    case VERTSIZE:
        return SizeInMillimetres(dc.vertRes, dc.dpiY);
    case BITSPIXEL:
        return 32;
    case PLANES:
        return 1;
    case LOGPIXELSX:
        return dc.dpiX;
    case LOGPIXELSY:
        return dc.dpiY;
    case PHYSICALWIDTH:
        return printer ? dc.horzRes : 0;
    case PHYSICALHEIGHT:
        return printer ? dc.vertRes : 0;
    case PHYSICALOFFSETX:
    case PHYSICALOFFSETY:
        return 0;
    default:
        return 0;
    }
}

HGDIOBJ SelectInto(DeviceContext& dc, HGDIOBJ handle) {
    GdiObject* object = LookupObject(handle);
    if (!object) return nullptr;
    HGDIOBJ& slot = SlotFor(dc.state, object->kind);
    HGDIOBJ previous = slot;
    if (handle == previous) return previous;
    if (object->kind == ObjectKind::kBitmap && !CanSelectBitmap(dc, handle, *object))
        return nullptr;
    RetainSelection(handle);
    slot = handle;
    ReleaseSelection(previous);
    return previous;
}

} // namespace gdi

HDC CreateCompatibleDC(HDC hdc) {
    std::lock_guard<std::recursive_mutex> lock(GdiLock());
    const DeviceContext* model = nullptr;
    if (hdc && !(model = gdi::LookupDC(hdc))) return nullptr;
    try {
        auto dc = NewDC(DeviceContext::Kind::kMemory);
        if (model) {
            dc->dpiX = model->dpiX;
            dc->dpiY = model->dpiY;
            dc->horzRes = model->horzRes;
            dc->vertRes = model->vertRes;
            dc->technology = model->technology;
        }
        return gdi::AddDC(std::move(dc));
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

HDC CreateRasterPrinterDC(int widthPixels, int heightPixels, int dpiX, int dpiY) {
    std::lock_guard<std::recursive_mutex> lock(GdiLock());
    if (widthPixels <= 0 || heightPixels <= 0 || dpiX <= 0 || dpiY <= 0 || dpiX > kMaxDpi ||
        dpiY > kMaxDpi || int64_t(widthPixels) * heightPixels > gdi::kMaxBitmapPixels)
        return nullptr;
    try {
        auto dc = NewDC(DeviceContext::Kind::kRasterPrinter);
        dc->technology = DT_RASPRINTER;
        dc->dpiX = dpiX;
        dc->dpiY = dpiY;
        dc->horzRes = widthPixels;
        dc->vertRes = heightPixels;
        dc->page = std::make_shared<gdi::Raster>();
        dc->page->width = widthPixels;
        dc->page->height = heightPixels;
        dc->page->pixels.assign(static_cast<size_t>(widthPixels) * heightPixels, gdi::kRgbMask);
        return gdi::AddDC(std::move(dc));
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

BOOL DeleteDC(HDC hdc) {
    std::lock_guard<std::recursive_mutex> lock(GdiLock());
    std::unique_ptr<DeviceContext> dc = gdi::TakeDC(hdc);
    if (!dc) return FALSE;
    ReleaseSelections(*dc);
    return TRUE;
}

HDC GetDC(HWND window) {
    std::lock_guard<std::recursive_mutex> lock(GdiLock());
    if (window && window != GetDesktopWindow()) return nullptr;
    try {
        return gdi::AddDC(NewDC(DeviceContext::Kind::kScreen));
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

int ReleaseDC(HWND window, HDC hdc) {
    std::lock_guard<std::recursive_mutex> lock(GdiLock());
    DeviceContext* dc = gdi::LookupDC(hdc);
    if (!dc || dc->kind != DeviceContext::Kind::kScreen) return 0;
    return DeleteDC(hdc) ? 1 : 0;
}

int GetDeviceCaps(HDC hdc, int index) {
    std::lock_guard<std::recursive_mutex> lock(GdiLock());
    const DeviceContext* dc = gdi::LookupDC(hdc);
    return dc ? gdi::DeviceCaps(*dc, index) : 0;
}

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ object) {
    std::lock_guard<std::recursive_mutex> lock(GdiLock());
    DeviceContext* dc = gdi::LookupDC(hdc);
    return dc ? gdi::SelectInto(*dc, object) : nullptr;
}

HGDIOBJ GetCurrentObject(HDC hdc, UINT type) {
    std::lock_guard<std::recursive_mutex> lock(GdiLock());
    const DeviceContext* dc = gdi::LookupDC(hdc);
    if (!dc) return nullptr;
    switch (type) {
    case OBJ_PEN:
        return dc->state.pen;
    case OBJ_BRUSH:
        return dc->state.brush;
    case OBJ_FONT:
        return dc->state.font;
    case OBJ_BITMAP:
        // DCs that are not memory DCs answer with the stock bitmap, as Wine.
        return dc->state.bitmap ? dc->state.bitmap : gdi::StockObject(gdi::kDefaultBitmapIndex);
    default:
        return nullptr;
    }
}

int SaveDC(HDC hdc) {
    std::lock_guard<std::recursive_mutex> lock(GdiLock());
    DeviceContext* dc = gdi::LookupDC(hdc);
    if (!dc) return 0;
    try {
        dc->saved.push_back(dc->state);
    } catch (const std::bad_alloc&) {
        return 0;
    }
    return static_cast<int>(dc->saved.size());
}

// A positive id restores the state that SaveDC returned that id for; a
// negative one counts back from the latest save (-1 is the latest). The
// restored save and all later ones are discarded. Saved states keep object
// handles without holding them: an object deleted since cannot be selected
// again and the current one stays, as in Wine.
BOOL RestoreDC(HDC hdc, int savedDC) {
    std::lock_guard<std::recursive_mutex> lock(GdiLock());
    DeviceContext* dc = gdi::LookupDC(hdc);
    if (!dc) return FALSE;
    const int level = static_cast<int>(dc->saved.size());
    if (savedDC == 0 || savedDC > level || savedDC < -level) return FALSE;
    const int target = savedDC > 0 ? savedDC : level + savedDC + 1;
    gdi::DcState restored = dc->saved[static_cast<size_t>(target - 1)];
    dc->saved.resize(static_cast<size_t>(target - 1));

    gdi::DcState current = dc->state;
    dc->state = restored;
    dc->state.brush = current.brush;
    dc->state.pen = current.pen;
    dc->state.font = current.font;
    dc->state.bitmap = current.bitmap;
    for (HGDIOBJ object : {restored.bitmap, restored.brush, restored.font, restored.pen})
        if (object) gdi::SelectInto(*dc, object);
    return TRUE;
}
