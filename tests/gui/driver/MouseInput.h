// The mouse as a user moves it: clicks and drags through SendInput at
// absolute screen positions, which reach the window under the cursor as
// real button and move messages (a control's own drag detection and
// capture see them). Under Wine the Ctrl state of keyboard input is lost
// after the first mouse message, so a drag with Ctrl presses Ctrl again
// before every mouse event.
#pragma once

#include <windows.h>

#include <vector>

namespace gui {

// Moves the cursor to the point and presses and releases the button there.
bool ClickAt(POINT screen, bool rightButton = false);

// Presses the left button at the path's first point, moves through the
// others in steps about 30 ms apart and releases it at the last, with Ctrl
// held throughout when withCtrl. A path back to its start drags an item
// away and drops it on itself.
bool DragWithMouse(const std::vector<POINT>& path, bool withCtrl);
inline bool DragWithMouse(POINT from, POINT to, bool withCtrl) {
    return DragWithMouse(std::vector<POINT>{from, to}, withCtrl);
}

} // namespace gui
