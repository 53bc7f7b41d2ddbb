#include "Splash_win.h"

namespace {

// Lets the splash paint while the time runs, without taking input.
void WaitPainting(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    for (;;) {
        DWORD elapsed = GetTickCount() - start;
        if (elapsed >= milliseconds) return;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds - elapsed, QS_ALLINPUT);
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(message.wParam));
                return;
            }
            DispatchMessageA(&message);
        }
    }
}

RECT CentreOver(HWND mainWindow, int width, int height) {
    RECT over{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (mainWindow) GetWindowRect(mainWindow, &over);
    int left = over.left + (over.right - over.left - width) / 2;
    int top = over.top + (over.bottom - over.top - height) / 2;
    return {left, top, left + width, top + height};
}

} // namespace

void SPLASH::Show(HINSTANCE instance, HWND mainWindow, UINT bitmapId, DWORD milliseconds) {
    HBITMAP bitmap = LoadBitmapA(instance, MAKEINTRESOURCEA(bitmapId));
    if (!bitmap) return;
    BITMAP size{};
    GetObjectA(bitmap, sizeof size, &size);

    const DWORD style = WS_POPUP | WS_DLGFRAME | SS_BITMAP;
    const DWORD extendedStyle = WS_EX_CLIENTEDGE | WS_EX_TOOLWINDOW;
    RECT frame{0, 0, size.bmWidth, size.bmHeight};
    AdjustWindowRectEx(&frame, style, FALSE, extendedStyle);
    RECT at = CentreOver(mainWindow, frame.right - frame.left, frame.bottom - frame.top);
    HWND splash = CreateWindowExA(extendedStyle, "STATIC", "", style, at.left, at.top,
                                  at.right - at.left, at.bottom - at.top, mainWindow, nullptr,
                                  instance, nullptr);
    if (splash) {
        SendMessageA(splash, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
        // The static control sizes itself to the bitmap: put the frame back.
        SetWindowPos(splash, HWND_TOP, at.left, at.top, at.right - at.left, at.bottom - at.top,
                     SWP_SHOWWINDOW);
        UpdateWindow(splash);
        WaitPainting(milliseconds);
        ShowWindow(splash, SW_HIDE);
        DestroyWindow(splash);
    }
    DeleteObject(bitmap);
}
