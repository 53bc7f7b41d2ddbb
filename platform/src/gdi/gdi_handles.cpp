// The handle tables: device contexts and GDI objects behind opaque handles,
// the stock objects, and the bookkeeping of which objects DCs have selected.
//
// Handle values are never reused, so a deleted handle stays invalid and a
// stale handle can never reach another object. The tables live for the whole
// process (they are never destroyed, so GDI calls from static destructors
// still find them).
#include "gdi_draw.h"

#include <array>
#include <cstring>
#include <new>
#include <unordered_map>

namespace gdi {

namespace {

struct HandleTables {
    uintptr_t nextHandle = 0x10010;
    std::unordered_map<uintptr_t, std::unique_ptr<DeviceContext>> dcs;
    // The DC found last: a drawing makes hundreds of calls on one DC in a
    // row. Handle values are never reused, so only taking that DC away
    // makes the entry stale.
    uintptr_t lastDcKey = 0;
    DeviceContext* lastDc = nullptr;
    std::unordered_map<uintptr_t, std::unique_ptr<GdiObject>> objects;
    std::array<HGDIOBJ, kDefaultBitmapIndex + 1> stock{};
    bool stockCreated = false;

    uintptr_t NewHandleValue() {
        uintptr_t value = nextHandle;
        nextHandle += 4;
        return value;
    }
};

HandleTables& Tables() {
    static HandleTables* tables = new HandleTables;
    return *tables;
}

uintptr_t Key(const void* handle) {
    return reinterpret_cast<uintptr_t>(handle);
}

std::unique_ptr<GdiObject> StockBrush(bool isNull, COLORREF color) {
    auto brush = std::make_unique<GdiObject>();
    brush->kind = ObjectKind::kBrush;
    brush->isNull = isNull;
    brush->color = color;
    return brush;
}

std::unique_ptr<GdiObject> StockPen(int style, COLORREF color) {
    auto pen = std::make_unique<GdiObject>();
    pen->kind = ObjectKind::kPen;
    pen->isNull = style == PS_NULL;
    pen->penStyle = style;
    pen->color = color;
    pen->penWidth = 0;
    return pen;
}

// The stock fonts as Wine describes them through GetObject.
std::unique_ptr<GdiObject> StockFont(LONG height, LONG width, LONG weight, const char* face) {
    auto font = std::make_unique<GdiObject>();
    font->kind = ObjectKind::kFont;
    font->logfont.lfHeight = height;
    font->logfont.lfWidth = width;
    font->logfont.lfWeight = weight;
    font->logfont.lfCharSet = ANSI_CHARSET;
    font->logfont.lfPitchAndFamily = 34; // VARIABLE_PITCH | FF_SWISS
    std::strncpy(font->logfont.lfFaceName, face, LF_FACESIZE - 1);
    return font;
}

// The 1x1 monochrome bitmap every memory DC starts with (and what
// CreateBitmap and CreateCompatibleBitmap return for an empty size).
std::unique_ptr<GdiObject> StockDefaultBitmap() {
    auto bitmap = std::make_unique<GdiObject>();
    bitmap->kind = ObjectKind::kBitmap;
    bitmap->bitsPerPixel = 1;
    bitmap->raster = std::make_shared<Raster>();
    bitmap->raster->width = 1;
    bitmap->raster->height = 1;
    bitmap->raster->monochrome = true;
    bitmap->raster->pixels.assign(1, 0);
    return bitmap;
}

void CreateStockObjects(HandleTables& tables) {
    auto add = [&](int index, std::unique_ptr<GdiObject> object) {
        object->stock = true;
        uintptr_t value = tables.NewHandleValue();
        tables.stock[static_cast<size_t>(index)] = reinterpret_cast<HGDIOBJ>(value);
        tables.objects.emplace(value, std::move(object));
    };
    add(WHITE_BRUSH, StockBrush(false, RGB(255, 255, 255)));
    add(LTGRAY_BRUSH, StockBrush(false, RGB(192, 192, 192)));
    add(GRAY_BRUSH, StockBrush(false, RGB(128, 128, 128)));
    add(DKGRAY_BRUSH, StockBrush(false, RGB(64, 64, 64)));
    add(BLACK_BRUSH, StockBrush(false, RGB(0, 0, 0)));
    add(NULL_BRUSH, StockBrush(true, RGB(0, 0, 0)));
    add(WHITE_PEN, StockPen(PS_SOLID, RGB(255, 255, 255)));
    add(BLACK_PEN, StockPen(PS_SOLID, RGB(0, 0, 0)));
    add(NULL_PEN, StockPen(PS_NULL, RGB(0, 0, 0)));
    add(SYSTEM_FONT, StockFont(16, 7, FW_BOLD, "System"));
    add(DEFAULT_GUI_FONT, StockFont(-11, 0, FW_NORMAL, "MS Shell Dlg"));
    add(kDefaultBitmapIndex, StockDefaultBitmap());
    tables.stockCreated = true;
}

HandleTables& TablesWithStock() {
    HandleTables& tables = Tables();
    if (!tables.stockCreated) CreateStockObjects(tables);
    return tables;
}

} // namespace

std::recursive_mutex& GdiLock() {
    static std::recursive_mutex* lock = new std::recursive_mutex;
    return *lock;
}

DeviceContext* LookupDC(HDC hdc) {
    HandleTables& tables = TablesWithStock();
    if (tables.lastDc != nullptr && tables.lastDcKey == Key(hdc)) return tables.lastDc;
    auto found = tables.dcs.find(Key(hdc));
    if (found == tables.dcs.end()) return nullptr;
    tables.lastDcKey = found->first;
    tables.lastDc = found->second.get();
    return tables.lastDc;
}

GdiObject* LookupObject(HGDIOBJ object) {
    HandleTables& tables = TablesWithStock();
    auto found = tables.objects.find(Key(object));
    return found == tables.objects.end() ? nullptr : found->second.get();
}

GdiObject* LookupObject(HGDIOBJ object, ObjectKind kind) {
    GdiObject* found = LookupObject(object);
    return found && found->kind == kind ? found : nullptr;
}

HGDIOBJ AddObject(std::unique_ptr<GdiObject> object) {
    if (!object) return nullptr;
    try {
        HandleTables& tables = TablesWithStock();
        uintptr_t value = tables.NewHandleValue();
        tables.objects.emplace(value, std::move(object));
        return reinterpret_cast<HGDIOBJ>(value);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

HDC AddDC(std::unique_ptr<DeviceContext> dc) {
    if (!dc) return nullptr;
    try {
        HandleTables& tables = TablesWithStock();
        uintptr_t value = tables.NewHandleValue();
        tables.dcs.emplace(value, std::move(dc));
        return reinterpret_cast<HDC>(value);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

std::unique_ptr<DeviceContext> TakeDC(HDC hdc) {
    HandleTables& tables = TablesWithStock();
    auto found = tables.dcs.find(Key(hdc));
    if (found == tables.dcs.end()) return nullptr;
    if (tables.lastDcKey == found->first) {
        tables.lastDcKey = 0;
        tables.lastDc = nullptr;
    }
    std::unique_ptr<DeviceContext> dc = std::move(found->second);
    tables.dcs.erase(found);
    return dc;
}

void DestroyObject(HGDIOBJ handle) {
    HandleTables& tables = TablesWithStock();
    auto found = tables.objects.find(Key(handle));
    if (found == tables.objects.end() || found->second->stock) return;
    std::unique_ptr<GdiObject> object = std::move(found->second);
    tables.objects.erase(found);
    if (object->kind == ObjectKind::kFont) ReleaseFontFace(*object);
}

size_t LiveHandleCount() {
    HandleTables& tables = TablesWithStock();
    size_t stock = 0;
    for (const auto& entry : tables.objects)
        if (entry.second->stock) ++stock;
    return tables.dcs.size() + tables.objects.size() - stock;
}

HGDIOBJ StockObject(int index) {
    if (index < 0 || index > kDefaultBitmapIndex) return nullptr;
    return TablesWithStock().stock[static_cast<size_t>(index)];
}

void RetainSelection(HGDIOBJ handle) {
    if (GdiObject* object = LookupObject(handle)) ++object->selectedCount;
}

void ReleaseSelection(HGDIOBJ handle) {
    GdiObject* object = LookupObject(handle);
    if (!object || object->selectedCount == 0) return;
    if (--object->selectedCount == 0 && object->deletePending) DestroyObject(handle);
}

} // namespace gdi
