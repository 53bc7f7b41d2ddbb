// Pages and image files for the command-line renderer: raster printer DCs
// and PNG files.
#include "bcplatform.h"
#include "rasterdc.h"

HDC CreatePageDC(int widthPixels, int heightPixels, int dpi) {
    return CreateRasterPrinterDC(widthPixels, heightPixels, dpi, dpi);
}

void DeletePageDC(HDC page) {
    DeleteDC(page);
}

bool SaveBitmapAsImageFile(HBITMAP bitmap, const char* path) {
    return SaveBitmapAsPng(bitmap, path) != FALSE;
}

bool SavePageAsImageFile(HDC page, const char* path) {
    return SaveDCAsPng(page, path) != FALSE;
}
