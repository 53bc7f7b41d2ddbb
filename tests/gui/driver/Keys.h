// Keys typed into a dialog of another process. A key is posted to the
// control that has the focus in the dialog's thread, so that the dialog's
// message loop takes it from its queue as it takes a typed key:
// IsDialogMessage then turns Escape into IDCANCEL and Enter into the
// default button, or leaves the key to a control that wants it. Keys sent
// (not posted) to a window, or posted to the dialog's thread without a
// window, never pass IsDialogMessage.
#pragma once

#include <windows.h>

namespace gui {

// Presses and releases a key (VK_ESCAPE, VK_RETURN, ...) in the dialog.
bool PressKey(HWND dialog, UINT virtualKey);

// The control of the dialog that has the focus, or the dialog itself when
// none of its controls has it.
HWND FocusedControl(HWND dialog);

} // namespace gui
