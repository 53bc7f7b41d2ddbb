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

// Saves the screen's pixels of a control's client area as 8-bit gray
// (binary PGM), the form the native decoder reads; false as above. The
// dialog is painted, not the control: a dialog may draw into its controls
// after they painted themselves.
bool SaveControlGray(HWND dialog, int controlId, const std::string& pgmPath);

} // namespace gui
