// GetDIBits: the pixels of a bitmap as a device-independent bitmap.
#include "gdi_draw.h"

#include <cstring>

using gdi::GdiLock;
using gdi::Raster;

namespace {

size_t RowBytes(int width, int bitCount) {
    return ((static_cast<size_t>(width) * static_cast<size_t>(bitCount) / 8) + 3) / 4 * 4;
}

void CopyRow(const Raster& raster, int y, unsigned char* out, int bitCount) {
    const int bytesPerPixel = bitCount / 8;
    for (int x = 0; x < raster.width; ++x) {
        uint32_t pixel = raster.At(x, y);
        out[0] = GetBValue(pixel);
        out[1] = GetGValue(pixel);
        out[2] = GetRValue(pixel);
        if (bytesPerPixel == 4) out[3] = 0;
        out += bytesPerPixel;
    }
}

} // namespace

int GetDIBits(HDC, HBITMAP bitmap, UINT start, UINT lines, LPVOID bits, LPBITMAPINFO info,
              UINT usage) {
    if (info == nullptr || usage != DIB_RGB_COLORS) return 0;
    std::lock_guard<std::recursive_mutex> lock(GdiLock());
    const gdi::GdiObject* object = gdi::LookupObject(bitmap, gdi::ObjectKind::kBitmap);
    if (object == nullptr || !object->raster) return 0;
    const Raster& raster = *object->raster;
    BITMAPINFOHEADER& header = info->bmiHeader;
    if (bits == nullptr) {
        header.biWidth = raster.width;
        header.biHeight = raster.height;
        header.biPlanes = 1;
        if (header.biBitCount != 24 && header.biBitCount != 32) header.biBitCount = 32;
        header.biCompression = BI_RGB;
        header.biSizeImage =
            static_cast<DWORD>(RowBytes(raster.width, header.biBitCount) * raster.height);
        return raster.height;
    }
    if ((header.biBitCount != 24 && header.biBitCount != 32) || header.biCompression != BI_RGB ||
        header.biWidth != raster.width)
        return 0;
    const bool topDown = header.biHeight < 0;
    const size_t rowBytes = RowBytes(raster.width, header.biBitCount);
    unsigned char* out = static_cast<unsigned char*>(bits);
    int copied = 0;
    for (UINT line = start; line < start + lines && line < static_cast<UINT>(raster.height);
         ++line) {
        int y = topDown ? static_cast<int>(line) : raster.height - 1 - static_cast<int>(line);
        std::memset(out, 0, rowBytes);
        CopyRow(raster, y, out, header.biBitCount);
        out += rowBytes;
        ++copied;
    }
    return copied;
}
