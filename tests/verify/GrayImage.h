// A rendered symbol as 8-bit gray pixels, read from a bitmap, and kept in a
// PGM file between the Windows renderer and the native decoder.
#pragma once

#include "win32api.h"

#include <cstdint>
#include <string>
#include <vector>

struct GrayImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> pixels; // row by row, top row first
};

// The bitmap's pixels; an empty image when they cannot be read.
GrayImage ReadBitmap(HBITMAP bitmap);
// The bitmap on the clipboard (CF_BITMAP), or an empty image.
GrayImage ReadClipboardBitmap();

// The image framed in white, as a drawing stands on paper: a bitmap or a
// screen picture ends at the symbol's edge, where a printed symbol has its
// quiet zone.
GrayImage OnWhitePaper(const GrayImage& image);

bool WritePgm(const GrayImage& image, const std::string& path);
bool ReadPgm(const std::string& path, GrayImage& image);
