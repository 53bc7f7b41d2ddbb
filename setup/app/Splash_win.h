// The splash: a bitmap in a framed popup, centred over the main window,
// shown for a few seconds before the intro page.
#pragma once

#include <windows.h>

class SPLASH {
  public:
    // Shows the bitmap for the time given, then hides it; the window paints
    // meanwhile. Nothing is shown when the bitmap is missing.
    static void Show(HINSTANCE instance, HWND mainWindow, UINT bitmapId, DWORD milliseconds);
};
