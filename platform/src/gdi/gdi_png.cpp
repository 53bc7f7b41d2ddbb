// Saving what a DC draws on, or a bitmap, as an 8-bit RGB PNG file.
#include "gdi_draw.h"

#include "bcplatform.h"
#include "rasterdc.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <new>
#include <vector>

using gdi::GdiLock;
using gdi::Raster;

namespace {

// Rows of RGB bytes from the raster's COLORREF-ordered pixels.
std::vector<unsigned char> RgbBytes(const Raster& raster) {
    std::vector<unsigned char> bytes(static_cast<size_t>(raster.width) * raster.height * 3);
    size_t at = 0;
    for (int y = 0; y < raster.height; ++y)
        for (int x = 0; x < raster.width; ++x) {
            uint32_t pixel = raster.At(x, y);
            bytes[at++] = GetRValue(pixel);
            bytes[at++] = GetGValue(pixel);
            bytes[at++] = GetBValue(pixel);
        }
    return bytes;
}

// libpng reports errors by longjmp: everything with a destructor is made
// before setjmp, so nothing is skipped when it jumps back.
bool WritePng(FILE* file, int width, int height, std::vector<unsigned char>& rgb) {
    std::vector<png_bytep> rows(static_cast<size_t>(height));
    for (int y = 0; y < height; ++y)
        rows[size_t(y)] = rgb.data() + size_t(y) * width * 3;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, info ? &info : nullptr);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    png_write_image(png, rows.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

BOOL SaveRaster(const Raster* raster, const char* path) {
    if (!raster || !path || raster->width <= 0 || raster->height <= 0) return FALSE;
    try {
        std::vector<unsigned char> rgb = RgbBytes(*raster);
        FILE* file = OpenFileStream(path, "wb");
        if (!file) return FALSE;
        bool written = WritePng(file, raster->width, raster->height, rgb);
        bool closed = std::fclose(file) == 0;
        if (!written || !closed) {
            std::remove(MapDosPath(path).c_str());
            return FALSE;
        }
        return TRUE;
    } catch (const std::bad_alloc&) {
        return FALSE;
    }
}

} // namespace

BOOL SaveDCAsPng(HDC hdc, const char* path) {
    std::lock_guard<std::recursive_mutex> lock(GdiLock());
    gdi::DeviceContext* dc = gdi::LookupDC(hdc);
    return dc ? SaveRaster(gdi::TargetRaster(*dc), path) : FALSE;
}

BOOL SaveBitmapAsPng(HBITMAP bitmap, const char* path) {
    std::lock_guard<std::recursive_mutex> lock(GdiLock());
    const gdi::GdiObject* object = gdi::LookupObject(bitmap, gdi::ObjectKind::kBitmap);
    return object ? SaveRaster(object->raster.get(), path) : FALSE;
}
