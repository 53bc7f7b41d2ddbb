// The pixels of the bitmap selected into a device context, read at once as
// top-down 32-bit rows (pixel by pixel takes minutes under Wine).
#pragma once

#include "win32api.h"

#include <cstdint>
#include <vector>

namespace testsupport {

// width x height pixels as 0x00RRGGBB-like values (the high byte as the
// bitmap has it); empty when the DC holds no bitmap that gives them.
inline std::vector<uint32_t> ReadBitmapRows(HDC dc, int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
    HBITMAP bitmap = static_cast<HBITMAP>(GetCurrentObject(dc, OBJ_BITMAP));
    if (GetDIBits(dc, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS) != height)
        pixels.clear();
    return pixels;
}

} // namespace testsupport
