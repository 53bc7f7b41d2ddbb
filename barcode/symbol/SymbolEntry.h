// The entries of the symbol library: draw a symbol, measure it, or render it
// into a bitmap on the clipboard.
#pragma once

#include "render/CbcHDC.h"
#include "symbol/BarcodeObject.h"
#include "symbol/SymbolParams.h"

#include <string>

// Draws the symbol with the point named by the anchor code (0..24) at (x, y).
// Returns 0, or a negative symbol error (-4 without a device context, -17 for
// an anchor out of range, or the encoder's error); nothing is drawn then.
int32_t DrawSymbol(CbcHDC& surface, int32_t x, int32_t y, int32_t anchor,
                   const SymbolParams& params, const std::string& data, const std::string& text);

// The whole block's size with the annotation, packed as (height << 16) |
// width (each cut to 16 bits), or a negative symbol error.
int32_t MeasureSymbol(CbcHDC& surface, const SymbolParams& params, const std::string& data,
                      const std::string& text);
// The same, unpacked, and the bar area alone; false with the error when the
// symbol cannot be built. dpiX/dpiY > 0 measure at that resolution instead
// of the device's.
struct SymbolMeasure {
    SymbolSize total; // with the annotation extents
    SymbolSize bars;  // the bar or module area
};
bool MeasureSymbolSize(CbcHDC& surface, const SymbolParams& params, const std::string& data,
                       const std::string& text, SymbolMeasure& size, int32_t& error, int dpiX = 0,
                       int dpiY = 0);

// Renders the symbol at dpiX × dpiY into a new bitmap just large enough for
// it (width and height swapped for rotations 1 and 3) and puts the bitmap on
// the clipboard as CF_BITMAP. Returns 0, the encoder's error, -20 when the
// bitmap cannot be made, or -21 when the clipboard cannot be opened.
int32_t RenderSymbolToClipboard(int dpiX, int dpiY, const SymbolParams& params,
                                const std::string& data, const std::string& text);
