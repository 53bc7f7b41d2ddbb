// Context menus a program under test shows (TrackPopupMenu): finding the
// menu window and choosing from it with the keys, as a user can. Under Wine
// a menu's items cannot be read from another process (GetMenuItemCount and
// GetMenuStringA fail on the handle MN_GETHMENU gives), so cases tell
// menus apart by what their items do and by the menu window's height,
// which grows with the number of items.
#pragma once

#include "Program.h"

#include <windows.h>

namespace gui {

inline constexpr const char* kPopupMenuClass = "#32768";

// The visible menu window of the process, or null.
HWND FindPopupMenu(DWORD processId);
// Waits for one; null after the time-out or when the program has ended.
HWND WaitForPopupMenu(const Program& program, DWORD timeoutMs = kWindowTimeoutMs);

// Asks the window for its context menu as the menu key (or Shift+F10)
// does: WM_CONTEXTMENU with the position -1, -1, posted, since the
// program's handler returns only when the menu has closed.
bool RequestContextMenu(HWND window);
// Asks for the context menu at a point of the screen, as the system asks a
// window after a right click there (WM_CONTEXTMENU with that point). Under
// Wine a right click through SendInput (ClickAt) on a tree view opens no
// menu, so cases ask with this.
bool RequestContextMenuAt(HWND window, POINT screen);

// Chooses the item at position among the items that are not separators
// (the keys skip separators): Down position + 1 times, then Enter. Waits
// until the menu window has gone.
bool ChoosePopupMenuItem(HWND menu, int position);
// Closes the menu without a choice (Escape).
bool DismissPopupMenu(HWND menu);

// The menu window's height in pixels.
int PopupMenuHeight(HWND menu);

} // namespace gui
