// Closing a window the ways a user can, and choosing menu commands. All are
// posted, since their handlers may open a message box and return only when
// it is answered.
#pragma once

#include <windows.h>

namespace gui {

// The close button of the caption (or Alt+F4): WM_SYSCOMMAND SC_CLOSE,
// which the default handling turns into WM_CLOSE.
bool PressCloseBox(HWND window);
// WM_CLOSE itself, as the system sends it when the window is to close.
bool PostCloseMessage(HWND window);
// A command of the window's menu: WM_COMMAND with the command id, as a
// menu sends it (notification code 0, no control).
bool ChooseMenuCommand(HWND window, int commandId);

} // namespace gui
