// The symbol library's entries.
#include "symbol/SymbolEntry.h"

#include "symbol/SymbolErrors.h"

#include <algorithm>

namespace {

// A bitmap larger than this many pixels is refused rather than attempted:
// 100 million pixels is a 40 × 40 inch symbol at 250 dpi.
constexpr int64_t kMaxBitmapPixels = 100'000'000;

// The anchor of the block's top-left corner as it lies after each rotation.
constexpr int32_t kTopLeftAnchorOfRotation[4] = {0, 4, 24, 20};

bool IsAnchorInRange(int32_t anchor) {
    return anchor >= 0 && anchor <= 24;
}

} // namespace

int32_t DrawSymbol(CbcHDC& surface, int32_t x, int32_t y, int32_t anchor,
                   const SymbolParams& params, const std::string& data, const std::string& text) {
    if (!surface.IsValid()) return -kSymbolInvalidSurface;
    if (!IsAnchorInRange(anchor)) return -kSymbolAlignment;
    CBarcodeObject symbol(surface, params, data, text);
    if (symbol.Error() != 0) return symbol.Error();
    symbol.PrepareAnnotation();
    symbol.PlaceOrigin(x, y, anchor);
    symbol.Draw();
    return 0;
}

bool MeasureSymbolSize(CbcHDC& surface, const SymbolParams& params, const std::string& data,
                       const std::string& text, SymbolMeasure& size, int32_t& error, int dpiX,
                       int dpiY) {
    CBarcodeObject symbol(surface, params, data, text, dpiX, dpiY);
    error = symbol.Error();
    if (error != 0) return false;
    symbol.PrepareAnnotation();
    size.total = symbol.TotalSize();
    size.bars = symbol.BarArea();
    return true;
}

int32_t MeasureSymbol(CbcHDC& surface, const SymbolParams& params, const std::string& data,
                      const std::string& text) {
    SymbolMeasure size;
    int32_t error = 0;
    if (!MeasureSymbolSize(surface, params, data, text, size, error)) return error;
    uint32_t width = static_cast<uint32_t>(std::clamp(size.total.width, 0, 0xFFFF));
    uint32_t height = static_cast<uint32_t>(std::clamp(size.total.height, 0, 0x7FFF));
    return static_cast<int32_t>((height << 16) | width);
}

int32_t RenderSymbolToClipboard(int dpiX, int dpiY, const SymbolParams& params,
                                const std::string& data, const std::string& text) {
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    if (memory == nullptr) {
        ReleaseDC(nullptr, screen);
        return -kSymbolBitmapCreation;
    }
    CbcWinHDC surface(memory);
    int32_t result = 0;
    HBITMAP bitmap = nullptr;
    {
        CBarcodeObject symbol(surface, params, data, text, dpiX, dpiY);
        result = symbol.Error();
        if (result == 0) {
            symbol.PrepareAnnotation();
            SymbolSize size = symbol.TotalSize();
            const int32_t rotation = symbol.Rotation() & 3;
            if (rotation % 2 == 1) std::swap(size.width, size.height);
            if (size.width > 0 && size.height > 0 &&
                static_cast<int64_t>(size.width) * size.height <= kMaxBitmapPixels)
                bitmap = CreateCompatibleBitmap(screen, size.width, size.height);
            if (bitmap == nullptr) {
                result = -kSymbolBitmapCreation;
            } else {
                HGDIOBJ previous = SelectObject(memory, bitmap);
                PatBlt(memory, 0, 0, size.width, size.height, WHITENESS);
                symbol.PlaceOrigin(0, 0, kTopLeftAnchorOfRotation[rotation]);
                symbol.Draw();
                SelectObject(memory, previous);
            }
        }
    }
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    if (result != 0) return result;

    if (!OpenClipboard(GetDesktopWindow())) {
        DeleteObject(bitmap);
        return -kSymbolClipboard;
    }
    EmptyClipboard();
    if (SetClipboardData(CF_BITMAP, bitmap) == nullptr) DeleteObject(bitmap);
    CloseClipboard();
    return 0;
}
