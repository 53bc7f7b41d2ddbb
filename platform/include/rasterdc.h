// Raster device contexts for Linux programs (the Windows build prints on
// real printers and bitmaps instead): a "printer" DC of a chosen size and
// resolution, and saving what a DC or bitmap holds as a PNG file.
#pragma once

#include "win32api.h"

// A device context over a white raster page of widthPixels x heightPixels
// at dpiX x dpiY dots per inch; GetDeviceCaps reports it as a raster printer
// (TECHNOLOGY DT_RASPRINTER, HORZSIZE/VERTSIZE in millimetres from the page
// size). Release it with DeleteDC. Returns null for sizes that are not
// positive or too large to allocate safely.
HDC CreateRasterPrinterDC(int widthPixels, int heightPixels, int dpiX, int dpiY);

// Writes the bitmap selected into hdc (or the page of a raster printer DC)
// as an 8-bit RGB PNG file. Returns FALSE when there is nothing to write or
// the file cannot be written.
BOOL SaveDCAsPng(HDC hdc, const char* path);
BOOL SaveBitmapAsPng(HBITMAP bitmap, const char* path);
