// Finding the dialogs of a program under test: dialog boxes and message
// boxes alike are top-level windows of class "#32770". A dialog counts once
// it is visible: a dialog box is shown after its WM_INITDIALOG and a
// message box after its text is set, so what the driver then reads is
// complete.
#pragma once

#include "Program.h"

#include <string>
#include <vector>

namespace gui {

inline constexpr const char* kDialogClass = "#32770";

// The visible top-level dialogs of a process, topmost first.
std::vector<HWND> VisibleDialogs(DWORD processId);

// The title of a top-level window (its caption), also of a hung one.
std::string WindowTitle(HWND window);

// Waits for a visible dialog of the program with exactly this title; null
// after the time-out, or as soon as the program has ended.
HWND WaitForDialog(const Program& program, const std::string& title,
                   DWORD timeoutMs = kWindowTimeoutMs);

// Waits for any visible dialog of the program and returns the topmost.
HWND WaitForAnyDialog(const Program& program, DWORD timeoutMs = kWindowTimeoutMs);

// Waits for a visible message box of the program, also while other
// dialogs of it are shown.
HWND WaitForMessageBox(const Program& program, DWORD timeoutMs = kWindowTimeoutMs);

// Waits for a window to be destroyed or hidden.
bool WaitUntilClosed(HWND window, DWORD timeoutMs = kCloseTimeoutMs);

// What a process shows, for failure messages: one line per visible dialog,
// its title and, for a message box, its text.
std::string DescribeDialogs(DWORD processId);

} // namespace gui
