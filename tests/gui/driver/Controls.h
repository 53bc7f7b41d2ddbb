// Reading and setting the controls of a dialog in another process, and
// clicking its buttons, the way the dialog's own code sees a user's input.
// No call needs the focus or the foreground, and none waits longer than
// kMessageTimeoutMs for the program.
#pragma once

#include "Timeouts.h"

#include <optional>
#include <string>

namespace gui {

// SendMessage that gives up when the window's thread does not answer in
// time: the result, or nothing.
std::optional<LRESULT> SendWithTimeout(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                       DWORD timeoutMs = kMessageTimeoutMs);

// The text of a window (WM_GETTEXT); nothing when it does not answer.
std::optional<std::string> WindowText(HWND window);
// The text of a dialog's control; nothing when there is no such control.
std::optional<std::string> ControlText(HWND dialog, int id);
bool SetControlText(HWND dialog, int id, const std::string& text);

// Selects the combo box item with exactly this text and tells the dialog
// (CBN_SELCHANGE), as a user's choice from the list does: CB_SETCURSEL
// alone does not notify. False when the combo has no such item.
bool ChooseComboItem(HWND dialog, int id, const std::string& text);

// Whether a check box or radio button is checked; nothing when there is no
// such control.
std::optional<bool> IsChecked(HWND dialog, int id);

// The id of the dialog's default button (DM_GETDEFID), the one Enter presses.
std::optional<int> DefaultButtonId(HWND dialog);

// Clicks a button and returns once its handler has run. For a handler that
// opens a modal window (a message box, a dialog), use PostClick: the
// handler returns only when that window is closed.
bool Click(HWND dialog, int id);
// Clicks a button without waiting for its handler.
bool PostClick(HWND dialog, int id);

} // namespace gui
