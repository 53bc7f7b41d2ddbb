// Saving what a DC draws on, or a bitmap, as a PNG file.
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

// The smallest PNG form that holds every pixel exactly. Printed barcodes are
// black on white, and a 1-bit file of them is written many times faster
// than 24-bit rows (less to filter and to compress) and is a fraction of
// their size; gray pages and colours keep every value in 8-bit gray or RGB.
enum class PngForm { kBlackAndWhite, kGray, kRgb };

constexpr uint32_t kBlack = 0x000000;
constexpr uint32_t kWhite = 0xFFFFFF;

// zlib's settings for black and white images (see WritePng).
constexpr int kBlackAndWhiteLevel = 3;
constexpr int kBlackAndWhiteMemoryLevel = 6;

// Gray or RGB for a raster that is not black and white only.
PngForm ColourFormOf(const Raster& raster) {
    for (uint32_t pixel : raster.pixels)
        if (GetRValue(pixel) != GetGValue(pixel) || GetGValue(pixel) != GetBValue(pixel))
            return PngForm::kRgb;
    return PngForm::kGray;
}

struct PngImage {
    PngForm form = PngForm::kRgb;
    size_t rowBytes = 0;
    std::vector<unsigned char> bytes; // the rows, one after the other
};

// A row of black and white pixels as bits, the leftmost pixel in the highest
// bit and white as 1; false when a pixel of the row is neither.
bool PackBlackAndWhiteRow(const uint32_t* pixels, size_t width, unsigned char* row) {
    // Branch-free, as this runs for every pixel of every file: a black or
    // white colour plus one is 1 or 0x1000000, so its colour bits above the
    // lowest are clear only then (a loop the compiler vectorises); the
    // lowest colour bit tells white from black.
    uint32_t others = 0;
    for (size_t x = 0; x < width; ++x)
        others |= ((pixels[x] & kWhite) + 1u) & (kWhite - 1u);
    if (others != 0) return false;
    size_t x = 0;
    for (; x + 8 <= width; x += 8, ++row) {
        const uint32_t* eight = pixels + x;
        *row = static_cast<unsigned char>(
            (eight[0] & 1u) << 7 | (eight[1] & 1u) << 6 | (eight[2] & 1u) << 5 |
            (eight[3] & 1u) << 4 | (eight[4] & 1u) << 3 | (eight[5] & 1u) << 2 |
            (eight[6] & 1u) << 1 | (eight[7] & 1u));
    }
    unsigned bits = 0;
    for (size_t bit = 0; x + bit < width; ++bit)
        bits |= ((pixels[x + bit] & 1u) << 7) >> bit;
    if (x < width) *row = static_cast<unsigned char>(bits);
    return true;
}

void PackGrayRow(const uint32_t* pixels, size_t width, unsigned char* row) {
    for (size_t x = 0; x < width; ++x)
        row[x] = GetRValue(pixels[x]);
}

void PackRgbRow(const uint32_t* pixels, size_t width, unsigned char* row) {
    for (size_t x = 0; x < width; ++x, row += 3) {
        row[0] = GetRValue(pixels[x]);
        row[1] = GetGValue(pixels[x]);
        row[2] = GetBValue(pixels[x]);
    }
}

// The raster's COLORREF-ordered pixels as the rows of their form: packed as
// black and white as long as every pixel is, else as gray or RGB.
PngImage ImageOf(const Raster& raster) {
    PngImage image;
    const size_t width = static_cast<size_t>(raster.width);
    const size_t height = static_cast<size_t>(raster.height);
    image.form = PngForm::kBlackAndWhite;
    image.rowBytes = (width + 7) / 8;
    image.bytes.resize(image.rowBytes * height);
    size_t y = 0;
    while (y < height && PackBlackAndWhiteRow(raster.pixels.data() + y * width, width,
                                              image.bytes.data() + y * image.rowBytes))
        ++y;
    if (y == height) return image;

    image.form = ColourFormOf(raster);
    image.rowBytes = image.form == PngForm::kGray ? width : width * 3;
    image.bytes.resize(image.rowBytes * height);
    auto pack = image.form == PngForm::kGray ? PackGrayRow : PackRgbRow;
    for (y = 0; y < height; ++y)
        pack(raster.pixels.data() + y * width, width, image.bytes.data() + y * image.rowBytes);
    return image;
}

// libpng reports errors by longjmp: everything with a destructor is made
// before setjmp, so nothing is skipped when it jumps back.
bool WritePng(FILE* file, int width, int height, PngImage& image) {
    std::vector<png_bytep> rows(static_cast<size_t>(height));
    for (int y = 0; y < height; ++y)
        rows[size_t(y)] = image.bytes.data() + size_t(y) * image.rowBytes;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, info ? &info : nullptr);
        return false;
    }
    png_init_io(png, file);
    const bool bilevel = image.form == PngForm::kBlackAndWhite;
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height),
                 bilevel ? 1 : 8,
                 image.form == PngForm::kRgb ? PNG_COLOR_TYPE_RGB : PNG_COLOR_TYPE_GRAY,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    // Row filters do not help images of less than 8 bits a pixel (libpng's
    // own advice), and trying all five for each row is most of the work.
    if (bilevel) png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    // Black and white barcodes compress well at any level: level 3 with a
    // smaller hash table writes a label about three times faster than the
    // default level, for a file about a tenth larger (a mostly white 600-dpi
    // A4 page's about twice as large, 40 KB instead of 20 KB).
    if (bilevel) {
        png_set_compression_level(png, kBlackAndWhiteLevel);
        png_set_compression_mem_level(png, kBlackAndWhiteMemoryLevel);
    }
    png_write_info(png, info);
    png_write_image(png, rows.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

BOOL SaveRaster(const Raster* raster, const char* path) {
    if (!raster || !path || raster->width <= 0 || raster->height <= 0) return FALSE;
    try {
        PngImage image = ImageOf(*raster);
        FILE* file = OpenFileStream(path, "wb");
        if (!file) return FALSE;
        bool written = WritePng(file, raster->width, raster->height, image);
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
