// A memory device context with a white screen-compatible bitmap, released at
// the end of a test. Memory DCs report the screen's resolution (96 dpi).
#pragma once

#include "win32api.h"

namespace testsupport {

class MemoryDC {
  public:
    MemoryDC(int width = 200, int height = 100)
        : hdc_(CreateCompatibleDC(nullptr)), width_(width), height_(height) {
        HDC screen = GetDC(nullptr);
        bitmap_ = CreateCompatibleBitmap(screen, width, height);
        ReleaseDC(nullptr, screen);
        previous_ = SelectObject(hdc_, bitmap_);
        PatBlt(hdc_, 0, 0, width, height, WHITENESS);
    }
    ~MemoryDC() {
        SelectObject(hdc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(hdc_);
    }
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;

    HDC Get() const { return hdc_; }

    // The number of pixels that are not white, in device coordinates.
    int InkedPixels() const {
        int inked = 0;
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x)
                if ((GetPixel(hdc_, x, y) & 0xFFFFFF) != 0xFFFFFF) ++inked;
        return inked;
    }

    // The smallest rectangle holding every pixel that is not white (right and
    // bottom exclusive); all zero when nothing is inked.
    RECT InkBounds() const {
        RECT bounds{width_, height_, -1, -1};
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x)
                if ((GetPixel(hdc_, x, y) & 0xFFFFFF) != 0xFFFFFF) {
                    if (x < bounds.left) bounds.left = x;
                    if (y < bounds.top) bounds.top = y;
                    if (x >= bounds.right) bounds.right = x + 1;
                    if (y >= bounds.bottom) bounds.bottom = y + 1;
                }
        if (bounds.right < 0) return RECT{0, 0, 0, 0};
        return bounds;
    }

  private:
    HDC hdc_;
    int width_;
    int height_;
    HBITMAP bitmap_;
    HGDIOBJ previous_;
};

} // namespace testsupport
