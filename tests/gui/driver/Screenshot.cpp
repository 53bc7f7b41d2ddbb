#include "Screenshot.h"

#include "Controls.h"

#include <objidl.h>
#include <gdiplus.h>

#include <memory>

namespace gui {

namespace {

namespace gdip = Gdiplus::DllExports;

// Wine's and Windows' PNG encoder of GDI+.
constexpr CLSID kPngEncoder = {
    0x557CF406, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};

// GDI+ is started once, at the first picture, and kept for the process.
bool GdiplusReady() {
    static const bool ready = [] {
        ULONG_PTR token = 0;
        Gdiplus::GdiplusStartupInput input;
        return Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok;
    }();
    return ready;
}

struct BitmapDeleter {
    void operator()(HBITMAP bitmap) const { DeleteObject(bitmap); }
};
using OwnedBitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, BitmapDeleter>;

OwnedBitmap CopyScreenRectangle(const RECT& rectangle) {
    int width = rectangle.right - rectangle.left;
    int height = rectangle.bottom - rectangle.top;
    if (width <= 0 || height <= 0) return nullptr;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    OwnedBitmap bitmap(CreateCompatibleBitmap(screen, width, height));
    bool copied = false;
    if (memory && bitmap) {
        HGDIOBJ previous = SelectObject(memory, bitmap.get());
        copied = BitBlt(memory, 0, 0, width, height, screen, rectangle.left, rectangle.top,
                        SRCCOPY | CAPTUREBLT);
        SelectObject(memory, previous);
    }
    if (memory) DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    if (!copied) bitmap.reset();
    return bitmap;
}

bool WritePng(HBITMAP bitmap, const std::string& path) {
    if (!GdiplusReady()) return false;
    Gdiplus::GpBitmap* image = nullptr;
    if (gdip::GdipCreateBitmapFromHBITMAP(bitmap, nullptr, &image) != Gdiplus::Ok) return false;
    std::wstring widePath(path.begin(), path.end());
    bool saved =
        gdip::GdipSaveImageToFile(image, widePath.c_str(), &kPngEncoder, nullptr) == Gdiplus::Ok;
    gdip::GdipDisposeImage(image);
    return saved;
}

// Repaints the window and its controls now: RedrawWindow sends the paint
// messages to the window's thread and returns when they are handled.
DWORD WINAPI RepaintNow(void* window) {
    RedrawWindow(static_cast<HWND>(window), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    return 0;
}

} // namespace

void LetWindowPaint(HWND window) {
    // On a thread of its own, since the paint messages are sent without a
    // time-out: a hung program leaves that thread waiting, not the driver.
    if (HANDLE thread = CreateThread(nullptr, 0, RepaintNow, window, 0, nullptr)) {
        WaitForSingleObject(thread, kMessageTimeoutMs);
        CloseHandle(thread);
    }
    // Wine hands a window's pixels to the display shortly after it painted.
    SendWithTimeout(window, WM_NULL, 0, 0);
    Sleep(50);
}

bool SaveWindowPicture(HWND window, const std::string& pngPath) {
    if (!IsWindow(window)) return false;
    LetWindowPaint(window);
    RECT rectangle{};
    if (!GetWindowRect(window, &rectangle)) return false;
    OwnedBitmap bitmap = CopyScreenRectangle(rectangle);
    return bitmap && WritePng(bitmap.get(), pngPath);
}

} // namespace gui
