// Pictures of the windows of a program under test, as the screen shows
// them. The screen is read rather than the window: under Wine, PrintWindow
// draws only a dialog's background, without its controls, while a copy
// from the screen has the real pixels of the frame, caption and controls.
#pragma once

#include <windows.h>

#include <string>

namespace gui {

// Lets the window's thread paint what is pending, so that the picture
// shows the window's current state.
void LetWindowPaint(HWND window);

// Saves the screen's pixels under the window's rectangle as a PNG file;
// false when the window is gone or the file could not be written.
bool SaveWindowPicture(HWND window, const std::string& pngPath);

} // namespace gui
