#include "Screenshot.h"

#include "Controls.h"

#include <objidl.h>
#include <gdiplus.h>

#include <cstdio>
#include <memory>
#include <vector>

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

// The bitmap's pixels as gray levels, top row first (ITU-R BT.601 weights).
std::vector<unsigned char> GrayPixels(HBITMAP bitmap, int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<RGBQUAD> colours(static_cast<size_t>(width) * height);
    HDC screen = GetDC(nullptr);
    int rows = GetDIBits(screen, bitmap, 0, height, colours.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (rows != height) return {};
    std::vector<unsigned char> gray(colours.size());
    for (size_t i = 0; i < colours.size(); ++i)
        gray[i] = static_cast<unsigned char>(
            (colours[i].rgbRed * 299 + colours[i].rgbGreen * 587 + colours[i].rgbBlue * 114) /
            1000);
    return gray;
}

bool WritePgm(const std::vector<unsigned char>& gray, int width, int height,
              const std::string& path) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    bool written = std::fprintf(file, "P5\n%d %d\n255\n", width, height) > 0 &&
                   std::fwrite(gray.data(), 1, gray.size(), file) == gray.size();
    return std::fclose(file) == 0 && written;
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

bool SaveControlGray(HWND dialog, int controlId, const std::string& pgmPath) {
    HWND control = GetDlgItem(dialog, controlId);
    if (!IsWindow(control)) return false;
    LetWindowPaint(dialog);
    // The client area: what the control shows inside its border.
    RECT rectangle{};
    if (!GetClientRect(control, &rectangle)) return false;
    MapWindowPoints(control, nullptr, reinterpret_cast<POINT*>(&rectangle), 2);
    OwnedBitmap bitmap = CopyScreenRectangle(rectangle);
    const int width = rectangle.right - rectangle.left;
    const int height = rectangle.bottom - rectangle.top;
    std::vector<unsigned char> gray = bitmap ? GrayPixels(bitmap.get(), width, height)
                                             : std::vector<unsigned char>();
    return !gray.empty() && WritePgm(gray, width, height, pgmPath);
}

} // namespace gui
